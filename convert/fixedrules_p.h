#ifndef FIXEDRULES_P_H
#define FIXEDRULES_P_H

#include <cstddef>
#include <iterator>
#include <string_view>

// The rules of a fixed shape, chosen by tag: four cut a fixed number of
// values or characters off the end of their segment, and bc sets two of
// its values. The rules and the report's words both take their numbers
// from here, as the numbered families take theirs from their own table.
struct EndCut
{
    enum Unit : unsigned char { Values, Characters };
    std::string_view tag;
    Unit unit;
    std::size_t count;
};

struct ValueSet
{
    std::size_t index;
    std::string_view value;
};

namespace FixedRules {

inline constexpr EndCut aa{"aa", EndCut::Values, 2};
// Cut by bytes, not by values: hc1.2.3.4.5 becomes hc1.2.
inline constexpr EndCut hc{"hc", EndCut::Characters, 6};
inline constexpr EndCut hd{"hd", EndCut::Characters, 2};
inline constexpr EndCut fd{"fd", EndCut::Values, 1};
inline constexpr EndCut cuts[] = {aa, hc, hd, fd};

inline constexpr std::string_view bcTag = "bc";
// In the order of their values.
inline constexpr ValueSet bc[] = {{2, "8"}, {4, "0"}};
inline constexpr std::size_t bcValuesRead = bc[std::size(bc) - 1].index + 1;

// The cut a segment's tag names, if any.
constexpr const EndCut *cutOf(std::string_view segment)
{
    for (const EndCut &cut : cuts)
        if (segment.substr(0, 2) == cut.tag)
            return &cut;
    return nullptr;
}

} // namespace FixedRules

#endif // FIXEDRULES_P_H
