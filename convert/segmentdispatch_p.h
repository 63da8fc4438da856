#ifndef SEGMENTDISPATCH_P_H
#define SEGMENTDISPATCH_P_H

#include <string_view>

class ConversionPass;

// The one place a segment's tag chooses its rule: aa and bc first, then the
// numbered families by their letter, then c, h and f; a segment no rule
// names is copied.
namespace SegmentDispatch {

// segment is never empty.
void convert(ConversionPass &pass, std::string_view segment);

} // namespace SegmentDispatch

#endif // SEGMENTDISPATCH_P_H
