#include "segmentdispatch_p.h"

#include "aabcrules_p.h"
#include "conversionpass_p.h"
#include "numberedfamilies_p.h"

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

// Cut by bytes, not by values: hc1.2.3.4.5 becomes hc1.2. An hc segment
// shorter than its cut is copied whole; one no longer than the cut leaves
// nothing and is dropped.
void cutEnd(ConversionPass &pass, std::string_view segment, std::size_t count, SegmentReason reason)
{
    if (segment.size() <= count)
        return pass.drop(SegmentReason::NothingLeft);
    pass.write(segment.substr(0, segment.size() - count));
    pass.note(reason);
}

void hSegment(ConversionPass &pass, std::string_view segment)
{
    switch (secondLetter(segment)) {
    case 'c':
        if (segment.size() < 6)
            return pass.copy(segment);
        return cutEnd(pass, segment, 6, SegmentReason::LastSixCharactersCut);
    case 'd':
        return cutEnd(pass, segment, 2, SegmentReason::LastTwoCharactersCut);
    default:
        return pass.copy(segment);
    }
}

// The last value goes; an fd segment with a single value has none to spare
// and is copied as it is.
void fdSegment(ConversionPass &pass, std::string_view segment)
{
    const std::size_t lastDot = segment.rfind('.');
    if (lastDot == std::string_view::npos)
        return pass.copy(segment);
    pass.write(segment.substr(0, lastDot));
    pass.note(SegmentReason::LastValueCut);
}

} // namespace

void SegmentDispatch::convert(ConversionPass &pass, std::string_view segment)
{
    const std::string_view tag = segment.substr(0, 2);
    if (tag == "aa")
        return AaBcRules::aa(pass, segment);
    if (tag == "bc")
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
