#ifndef NUMBEREDFAMILIES_P_H
#define NUMBEREDFAMILIES_P_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

class ConversionPass;

// The m, r, s and t segments: trimmed at the end, renumbered from slot 00 in
// the order they appear, and dropped when their numbers lie out of range or
// their family has no slot left. Value 0 holds the family letter, a slot
// number that is never read, and the lead number.
struct NumberedFamily
{
    char letter;
    // This exact segment passes untouched and takes no slot.
    std::string_view copiedAsItIs;
    // The last slot the family hands out; past it, its segments are dropped.
    std::int32_t lastSlot;
    // A segment with fewer values cannot be trimmed as the rule says (it
    // would cut into value 0, or miss value 11) and is dropped.
    std::size_t fewestValues;
    std::size_t valuesCut;
    // A kept segment reads at most these; one over, or not a number, is dropped.
    std::optional<std::int32_t> highestLastValue = std::nullopt;
    std::optional<std::int32_t> highestLeadNumber = std::nullopt;
    // s: a value 11 of exactly "2" becomes "1".
    bool value11TwoBecomesOne = false;
    // m: ".1" goes after the joined values.
    bool appendsOne = false;
};

namespace NumberedFamilies {

inline constexpr NumberedFamily table[] = {
    {.letter = 'm', .copiedAsItIs = "m00", .lastSlot = 59, .fewestValues = 6, .valuesCut = 4,
     .highestLastValue = 5, .highestLeadNumber = 122, .appendsOne = true},
    {.letter = 'r', .copiedAsItIs = "r00", .lastSlot = 29, .fewestValues = 3, .valuesCut = 1,
     .highestLastValue = 50, .highestLeadNumber = 86},
    {.letter = 's', .copiedAsItIs = "s00", .lastSlot = 29, .fewestValues = 15, .valuesCut = 3,
     .value11TwoBecomesOne = true},
    {.letter = 't', .copiedAsItIs = "t00", .lastSlot = 29, .fewestValues = 3, .valuesCut = 2,
     .highestLeadNumber = 57},
};

// The family a segment's first letter names, if any.
inline const NumberedFamily *find(char letter)
{
    for (const NumberedFamily &family : table)
        if (family.letter == letter)
            return &family;
    return nullptr;
}

void convert(ConversionPass &pass, const NumberedFamily &family, std::string_view segment);

// Leading white space, an optional sign, at least one digit; reading stops
// at the first non-digit. Nothing when that fails or the number leaves the
// signed 32-bit range.
std::optional<std::int32_t> readNumber(std::string_view value);

} // namespace NumberedFamilies

#endif // NUMBEREDFAMILIES_P_H
