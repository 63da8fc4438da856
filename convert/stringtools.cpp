#include "conversion.h"

#include <algorithm>

std::vector<std::string> StringTools::split(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    pieces.reserve(std::size_t(std::count(text.begin(), text.end(), separator)) + 1);
    forEachPiece(text, separator, [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

std::string StringTools::join(const std::vector<std::string> &pieces, std::string_view separator)
{
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            joined += separator;
        joined += pieces[i];
    }
    return joined;
}

std::string_view StringTools::leadingBytes(std::string_view text, std::size_t most)
{
    if (text.size() <= most)
        return text;
    std::size_t end = most;
    while (end + 3 > most && end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
        --end;
    return text.substr(0, end);
}
