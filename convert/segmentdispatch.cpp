#include "segmentdispatch.h"

#include "numberedfamilies.h"
#include "passcounters.h"

namespace {

char secondLetter(std::string_view segment)
{
    return segment.size() > 1 ? segment[1] : '\0';
}

std::string_view withoutLast(std::string_view segment, std::size_t count)
{
    return segment.size() > count ? segment.substr(0, segment.size() - count) : std::string_view();
}

using FamilyRule = void (*)(std::string_view, std::int32_t &, ValueList &, std::string &);

// The exact segment "m00" (r00, s00, t00) passes untouched and takes no slot;
// a family whose counter is past its limit has no slot left to give.
void numbered(std::string_view segment, std::string_view exactCopy, std::int32_t &counter, std::int32_t limit,
              FamilyRule rule, ValueList &values, std::string &out)
{
    if (segment == exactCopy)
        out += segment;
    else if (counter <= limit)
        rule(segment, counter, values, out);
}

} // namespace

void SegmentDispatch::convert(std::string_view segment, PassCounters &counters, ValueList &values, std::string &out)
{
    switch (segment[0]) {
    case 'c':
        return cSegment(segment, out);
    case 'h':
        return hSegment(segment, out);
    case 'f':
        if (secondLetter(segment) == 'd')
            return fdSegment(segment, out);
        if (secondLetter(segment) == 'v')
            return; // fv: dropped
        break;
    case 'm':
        return numbered(segment, "m00", counters.m, NumberedFamilies::mLimit, NumberedFamilies::m, values, out);
    case 'r':
        return numbered(segment, "r00", counters.r, NumberedFamilies::rsTLimit, NumberedFamilies::r, values, out);
    case 's':
        return numbered(segment, "s00", counters.s, NumberedFamilies::rsTLimit, NumberedFamilies::s, values, out);
    case 't':
        return numbered(segment, "t00", counters.t, NumberedFamilies::rsTLimit, NumberedFamilies::t, values, out);
    }
    out += segment;
}

void SegmentDispatch::cSegment(std::string_view segment, std::string &out)
{
    const char second = secondLetter(segment);
    if (second >= 'c' && second <= 'h')
        return;
    out += segment;
}

void SegmentDispatch::hSegment(std::string_view segment, std::string &out)
{
    // Cut by bytes, not by values: hc1.2.3.4.5 becomes hc1.2. A segment
    // no longer than the cut is copied whole when shorter, dropped when equal.
    switch (secondLetter(segment)) {
    case 'c':
        out += segment.size() < 6 ? segment : withoutLast(segment, 6);
        return;
    case 'd':
        out += withoutLast(segment, 2);
        return;
    default:
        out += segment;
    }
}

void SegmentDispatch::fdSegment(std::string_view segment, std::string &out)
{
    // The last value goes; an fd segment with a single value has none to spare
    // and is copied as it is.
    const std::size_t lastDot = segment.rfind('.');
    out += lastDot == std::string_view::npos ? segment : segment.substr(0, lastDot);
}
