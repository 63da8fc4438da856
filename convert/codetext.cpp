// Reading a code file's bytes as Qt's text stream reads them, and saving a
// code as a Qt string saves it, without Qt: the window, the command-line
// converter and the web page all read and write through these two, so a
// code looks the same in all three.
#include "conversion.h"
#include "utf8stream_p.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// The text the stream makes of bytes given whole. Clean bytes are the text
// already, carriage returns aside: those are taken out in place, and only
// bytes that need repair are copied.
std::string streamedWhole(std::string bytes, Utf8Stream::Direction direction)
{
    if (!Utf8Stream::needsRepair(bytes, direction)) {
        if (direction == Utf8Stream::Direction::Read && bytes.find('\r') != std::string::npos)
            bytes.erase(std::remove(bytes.begin(), bytes.end(), '\r'), bytes.end());
        return bytes;
    }
    std::string text;
    text.reserve(bytes.size());
    Utf8Stream stream(direction, [&text](std::string_view piece) { text += piece; });
    stream.put(bytes);
    stream.finish();
    return text;
}

} // namespace

std::string CodeText::decode(std::string bytes)
{
    return streamedWhole(std::move(bytes), Utf8Stream::Direction::Read);
}

std::string CodeText::encode(std::string text)
{
    return streamedWhole(std::move(text), Utf8Stream::Direction::Save);
}

bool CodeText::mayBeginCode(std::string_view head)
{
    const std::string text = decode(std::string(head));
    // Nothing but carriage returns so far, or a file too short to hold a
    // code: the conversion will say.
    if (text.size() < 3)
        return true;
    return Conversion::isAcceptedVersion(Conversion::versionPrefix(text));
}

std::string_view CodeText::preview(std::string_view code)
{
    return StringTools::leadingBytes(code, previewBytes);
}

Said CodeText::previewNote(std::size_t codeSize)
{
    if (codeSize <= previewBytes)
        return {};
    const std::string digits = std::to_string(codeSize);
    std::string size;
    for (std::size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0)
            size += ',';
        size += digits[at];
    }
    return Said("CodeText", QVR_TR("CodeText", "Showing the first %1 KB of %2 bytes; Save and Copy give the whole code."),
                {std::to_string(previewBytes / 1024), size});
}

namespace {

// The blanks a chat puts between words: ASCII's, and the no-break and
// ideographic spaces, in UTF-8.
std::size_t blankAt(std::string_view text, std::size_t at)
{
    static constexpr std::string_view wide[] = {"\xc2\xa0", "\xe3\x80\x80"};
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v')
        return 1;
    for (const std::string_view blank : wide)
        if (text.substr(at, blank.size()) == blank)
            return blank.size();
    return 0;
}

// What may close a sentence or a quotation right after a code.
std::string_view withoutClosers(std::string_view word)
{
    static constexpr std::string_view closers[] = {"\"", "'", "`", ")", "]", "}", ">", ",", ";", ":", "!", "?",
                                                   "\xc2\xbb", "\xe2\x80\x9d", "\xe2\x80\x99"};
    for (bool cut = true; cut;) {
        cut = false;
        for (const std::string_view closer : closers) {
            if (word.size() > closer.size() && word.substr(word.size() - closer.size()) == closer) {
                word.remove_suffix(closer.size());
                cut = true;
            }
        }
    }
    return word;
}

bool beginsWord(std::string_view text, std::size_t at)
{
    if (at == 0)
        return true;
    const auto before = static_cast<unsigned char>(text[at - 1]);
    const bool partOfWord = (before >= '0' && before <= '9') || (before >= 'A' && before <= 'Z')
        || (before >= 'a' && before <= 'z') || before == '_' || before == '.' || before == '*';
    return !partOfWord;
}

} // namespace

std::optional<std::string_view> CodeText::onlyCodeIn(std::string_view message)
{
    std::optional<std::string_view> found;
    for (std::size_t at = 0; at + 3 <= message.size(); ++at) {
        if (!beginsWord(message, at) || !Conversion::isAcceptedVersion(message.substr(at, 3)))
            continue;
        std::size_t end = at;
        while (end < message.size() && blankAt(message, end) == 0)
            ++end;
        const std::string_view code = withoutClosers(message.substr(at, end - at));
        if (Conversion::judge(code) == ConversionOutcome::Converted) {
            if (found)
                return std::nullopt;
            found = code;
        }
        at = end;
    }
    return found;
}
