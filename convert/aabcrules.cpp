#include "aabcrules_p.h"

#include "conversionpass_p.h"
#include "valuelist_p.h"

namespace AaBcRules {

void aa(ConversionPass &pass, std::string_view segment)
{
    // With fewer than three values nothing would be left to join, so such a
    // segment goes through as it came.
    const std::optional<std::string_view> kept = ValueList::withoutLast(segment, 2);
    if (!kept)
        return pass.copy(segment);
    pass.write(*kept);
    pass.note(SegmentReason::LastTwoValuesCut);
}

void bc(ConversionPass &pass, std::string_view segment)
{
    // Without a value 4 there is nothing to rewrite safely.
    std::array<std::string_view, 5> values;
    if (ValueList::front(segment, values) < values.size())
        return pass.copy(segment);
    pass.write(ValueList::before(segment, values[2]));
    pass.write('8');
    pass.write(ValueList::between(segment, values[2], values[4]));
    pass.write('0');
    pass.write(ValueList::after(segment, values[4]));
    pass.note(SegmentReason::ValuesTwoAndFourSet);
}

} // namespace AaBcRules
