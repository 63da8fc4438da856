#include "numberedfamilies_p.h"

#include "conversionpass_p.h"
#include "valuelist_p.h"

#include <limits>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Why a tested value keeps the segment out: not a number, or over the limit.
std::optional<SegmentReason> failsLimit(std::string_view value, std::int32_t limit, SegmentReason notANumber,
                                        SegmentReason aboveLimit)
{
    const std::optional<std::int32_t> number = NumberedFamilies::readNumber(value);
    if (!number)
        return notANumber;
    if (*number > limit)
        return aboveLimit;
    return std::nullopt;
}

// Two digits; a pass hands out no slot above 59.
void writeSlot(ConversionPass &pass, std::int32_t slot)
{
    pass.write(char('0' + slot / 10));
    pass.write(char('0' + slot % 10));
}

} // namespace

namespace NumberedFamilies {

std::optional<std::int32_t> readNumber(std::string_view value)
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

void convert(ConversionPass &pass, const NumberedFamily &family, std::string_view segment)
{
    if (segment == family.copiedAsItIs)
        return pass.copy(segment);
    std::int32_t &nextSlot = pass.counters().of(family);
    if (nextSlot > family.lastSlot)
        return pass.drop(SegmentReason::SlotsFull);
    if (!ValueList::hasAtLeast(segment, family.fewestValues))
        return pass.drop(SegmentReason::TooFewValues);

    const std::string_view kept = *ValueList::withoutLast(segment, family.valuesCut);
    const std::string_view value0 = ValueList::first(kept);
    if (value0.size() < 3)
        return pass.drop(SegmentReason::FirstValueTooShort);
    const std::string_view leadNumber = value0.substr(3);

    if (family.highestLastValue) {
        const std::string_view lastValue = ValueList::last(kept);
        if (auto why = failsLimit(lastValue, *family.highestLastValue, SegmentReason::LastValueNotANumber,
                                  SegmentReason::LastValueAboveLimit))
            return pass.drop(*why, lastValue);
    }
    if (family.highestLeadNumber) {
        if (auto why = failsLimit(leadNumber, *family.highestLeadNumber, SegmentReason::LeadNumberNotANumber,
                                  SegmentReason::LeadNumberAboveLimit))
            return pass.drop(*why, leadNumber);
    }

    pass.write(family.letter);
    writeSlot(pass, nextSlot);
    pass.write(leadNumber);
    const std::optional<std::string_view> value11 =
        family.value11TwoBecomesOne ? ValueList::at(kept, 11) : std::nullopt;
    const bool value11Changed = value11 && *value11 == "2";
    if (value11Changed) {
        pass.write(ValueList::between(kept, value0, *value11));
        pass.write('1');
        pass.write(ValueList::after(kept, *value11));
    } else {
        pass.write(ValueList::after(kept, value0));
    }
    if (family.appendsOne)
        pass.write(".1");
    pass.note(value11Changed ? SegmentReason::RenumberedValue11 : SegmentReason::Renumbered);
    ++nextSlot;
}

} // namespace NumberedFamilies
