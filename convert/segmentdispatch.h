#ifndef SEGMENTDISPATCH_H
#define SEGMENTDISPATCH_H

#include <string>
#include <string_view>

struct PassCounters;
class ValueList;

// Every segment that is neither aa nor bc: copied, shortened, dropped, or
// handed to its numbered family, by the first test that matches.
class SegmentDispatch
{
public:
    // segment is never empty; its result is appended to out (nothing for a
    // dropped segment).
    static void convert(std::string_view segment, PassCounters &counters, ValueList &values, std::string &out);

private:
    static void cSegment(std::string_view segment, std::string &out);
    static void hSegment(std::string_view segment, std::string &out);
    static void fdSegment(std::string_view segment, std::string &out);
};

#endif // SEGMENTDISPATCH_H
