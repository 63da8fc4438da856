#include "aabcrules.h"

#include "valuelist.h"

void AaBcRules::aa(std::string_view segment, std::string &out)
{
    // The last two values go: the segment is cut at its second "." from the
    // end. With fewer than three values there would be nothing left to
    // join, so such a segment goes through as it came.
    const std::size_t lastDot = segment.rfind('.');
    // The tag stands before any ".", so lastDot is never 0.
    const std::size_t cut = lastDot == std::string_view::npos ? lastDot : segment.rfind('.', lastDot - 1);
    out += cut == std::string_view::npos ? segment : segment.substr(0, cut);
}

void AaBcRules::bc(std::string_view segment, ValueList &values, std::string &out)
{
    values.split(segment);
    // Without a value 4 there is nothing to rewrite safely.
    if (values.size() < 5) {
        out += segment;
        return;
    }
    values.replace(2, "8");
    values.replace(4, "0");
    values.appendJoined(out);
}
