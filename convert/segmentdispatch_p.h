#ifndef SEGMENTDISPATCH_P_H
#define SEGMENTDISPATCH_P_H

#include <string_view>

class ConversionPass;

// Every segment that is neither aa nor bc: copied, shortened, dropped, or
// handed to its numbered family, by the first test that matches.
namespace SegmentDispatch {

// segment is never empty.
void convert(ConversionPass &pass, std::string_view segment);

} // namespace SegmentDispatch

#endif // SEGMENTDISPATCH_P_H
