#include "numberedfamilies.h"

#include "valuelist.h"

#include <limits>

struct NumberedFamilies::Family
{
    char letter;
    // Enough values that the removal leaves value 0 and, where the rule
    // reads them, a last value other than value 0 and a value 11. A
    // shorter segment cannot be renumbered and is dropped.
    std::size_t minimumValues;
    std::size_t valuesRemoved;
    std::optional<std::int32_t> lastValueLimit;
    std::optional<std::int32_t> leadNumberLimit;
    bool value11TwoBecomesOne;
    bool appendsOne;
};

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A value that does not read as a number fails its test like one that is
// out of range, so the segment is dropped rather than guessed at.
bool readsAtMost(std::string_view value, std::int32_t limit)
{
    const std::optional<std::int32_t> number = NumberedFamilies::readNumber(value);
    return number && *number <= limit;
}

void appendSlot(std::string &out, std::int32_t counter)
{
    out += char('0' + counter / 10);
    out += char('0' + counter % 10);
}

} // namespace

std::optional<std::int32_t> NumberedFamilies::readNumber(std::string_view value)
{
    std::size_t i = 0;
    while (i < value.size() && isSpace(value[i]))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    if (i == value.size() || !isDigit(value[i]))
        return std::nullopt;

    constexpr std::int64_t bound = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; i < value.size() && isDigit(value[i]); ++i) {
        magnitude = magnitude * 10 + (value[i] - '0');
        if (magnitude > bound)
            return std::nullopt;
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(number);
}

void NumberedFamilies::convert(const Family &family, std::string_view segment, std::int32_t &counter,
                               ValueList &values, std::string &out)
{
    values.split(segment);
    if (values.size() < family.minimumValues || values[0].size() < 3)
        return;

    values.dropLast(family.valuesRemoved);
    if (family.value11TwoBecomesOne && values[11] == "2")
        values.replace(11, "1");

    // Value 0 is the family letter, a slot number that is never read, and
    // the lead number.
    const std::string_view leadNumber = values[0].substr(3);
    if (family.lastValueLimit && !readsAtMost(values.last(), *family.lastValueLimit))
        return;
    if (family.leadNumberLimit && !readsAtMost(leadNumber, *family.leadNumberLimit))
        return;

    out += family.letter;
    appendSlot(out, counter);
    out += leadNumber;
    values.appendAfterFirst(out);
    if (family.appendsOne)
        out += ".1";
    ++counter;
}

void NumberedFamilies::m(std::string_view segment, std::int32_t &counter, ValueList &values, std::string &out)
{
    static const Family family{'m', 6, 4, 5, 122, false, true};
    convert(family, segment, counter, values, out);
}

void NumberedFamilies::r(std::string_view segment, std::int32_t &counter, ValueList &values, std::string &out)
{
    static const Family family{'r', 3, 1, 50, 86, false, false};
    convert(family, segment, counter, values, out);
}

void NumberedFamilies::s(std::string_view segment, std::int32_t &counter, ValueList &values, std::string &out)
{
    static const Family family{'s', 15, 3, std::nullopt, std::nullopt, true, false};
    convert(family, segment, counter, values, out);
}

void NumberedFamilies::t(std::string_view segment, std::int32_t &counter, ValueList &values, std::string &out)
{
    static const Family family{'t', 3, 2, std::nullopt, 57, false, false};
    convert(family, segment, counter, values, out);
}
