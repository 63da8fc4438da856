#include "aabcrules_p.h"

#include "conversionpass_p.h"
#include "fixedrules_p.h"
#include "valuelist_p.h"

#include <array>

namespace AaBcRules {

void aa(ConversionPass &pass, std::string_view segment)
{
    // With no more values than are cut nothing would be left to join, so
    // such a segment goes through as it came.
    const std::optional<std::string_view> kept = ValueList::withoutLast(segment, FixedRules::aa.count);
    if (!kept)
        return pass.copy(segment);
    pass.write(*kept);
    pass.note(SegmentReason::ValuesCut);
}

void bc(ConversionPass &pass, std::string_view segment)
{
    // Without every value it sets there is nothing to rewrite safely.
    std::array<std::string_view, FixedRules::bcValuesRead> values;
    if (ValueList::front(segment, values) < values.size())
        return pass.copy(segment);
    std::string_view previous;
    for (const ValueSet &set : FixedRules::bc) {
        const std::string_view value = values[set.index];
        pass.write(previous.data() ? ValueList::between(segment, previous, value) : ValueList::before(segment, value));
        pass.write(set.value);
        previous = value;
    }
    pass.write(ValueList::after(segment, previous));
    pass.note(SegmentReason::ValuesSet);
}

} // namespace AaBcRules
