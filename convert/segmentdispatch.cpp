#include "segmentdispatch_p.h"

#include "aabcrules_p.h"
#include "conversionpass_p.h"
#include "fixedrules_p.h"
#include "numberedfamilies_p.h"
#include "valuelist_p.h"

namespace {

char secondLetter(std::string_view segment)
{
    return segment.size() > 1 ? segment[1] : '\0';
}

// cc to ch are segments the target has no place for.
void cSegment(ConversionPass &pass, std::string_view segment)
{
    const char second = secondLetter(segment);
    if (second >= 'c' && second <= 'h')
        return pass.drop(SegmentReason::TagNotTaken);
    pass.copy(segment);
}

// A segment shorter than its cut is copied whole; one no longer than the
// cut leaves nothing and is dropped.
void cutCharacters(ConversionPass &pass, std::string_view segment, const EndCut &cut)
{
    if (segment.size() < cut.count)
        return pass.copy(segment);
    if (segment.size() == cut.count)
        return pass.drop(SegmentReason::NothingLeft);
    pass.write(segment.substr(0, segment.size() - cut.count));
    pass.note(SegmentReason::CharactersCut);
}

void hSegment(ConversionPass &pass, std::string_view segment)
{
    switch (secondLetter(segment)) {
    case 'c':
        return cutCharacters(pass, segment, FixedRules::hc);
    case 'd':
        return cutCharacters(pass, segment, FixedRules::hd);
    default:
        return pass.copy(segment);
    }
}

// The last values go; an fd segment with no more values than that has none
// to spare and is copied as it is.
void fdSegment(ConversionPass &pass, std::string_view segment)
{
    const std::optional<std::string_view> kept = ValueList::withoutLast(segment, FixedRules::fd.count);
    if (!kept)
        return pass.copy(segment);
    pass.write(*kept);
    pass.note(SegmentReason::ValuesCut);
}

} // namespace

void SegmentDispatch::convert(ConversionPass &pass, std::string_view segment)
{
    const std::string_view tag = segment.substr(0, 2);
    if (tag == FixedRules::aa.tag)
        return AaBcRules::aa(pass, segment);
    if (tag == FixedRules::bcTag)
        return AaBcRules::bc(pass, segment);
    if (const NumberedFamily *family = NumberedFamilies::find(segment[0]))
        return NumberedFamilies::convert(pass, *family, segment);
    switch (segment[0]) {
    case 'c':
        return cSegment(pass, segment);
    case 'h':
        return hSegment(pass, segment);
    case 'f':
        if (secondLetter(segment) == 'd')
            return fdSegment(pass, segment);
        if (secondLetter(segment) == 'v')
            return pass.drop(SegmentReason::TagNotTaken);
        break;
    }
    pass.copy(segment);
}
