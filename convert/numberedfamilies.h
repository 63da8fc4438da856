#ifndef NUMBEREDFAMILIES_H
#define NUMBEREDFAMILIES_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class ValueList;

// The m, r, s and t segments: trimmed at the end, renumbered from slot 00 in
// the order they appear, and dropped when their numbers lie out of range.
class NumberedFamilies
{
public:
    // Highest slot number each family may hand out.
    static constexpr std::int32_t mLimit = 59;
    static constexpr std::int32_t rsTLimit = 29;

    // Each rule appends the converted segment to out and advances counter,
    // or appends nothing (the segment is dropped) and leaves counter alone.
    static void m(std::string_view segment, std::int32_t &counter, ValueList &values, std::string &out);
    static void r(std::string_view segment, std::int32_t &counter, ValueList &values, std::string &out);
    static void s(std::string_view segment, std::int32_t &counter, ValueList &values, std::string &out);
    static void t(std::string_view segment, std::int32_t &counter, ValueList &values, std::string &out);

    // Leading white space, an optional sign, at least one digit; reading
    // stops at the first non-digit. Nothing when that fails or the number
    // leaves the signed 32-bit range.
    static std::optional<std::int32_t> readNumber(std::string_view value);

private:
    struct Family;
    static void convert(const Family &family, std::string_view segment, std::int32_t &counter,
                        ValueList &values, std::string &out);
};

#endif // NUMBEREDFAMILIES_H
