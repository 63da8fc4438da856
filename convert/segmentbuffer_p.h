#ifndef SEGMENTBUFFER_P_H
#define SEGMENTBUFFER_P_H

#include <cstddef>
#include <string_view>

// The segment a block's end cut, held until the separator after it comes.
// A segment may be as long as the code (a stream of zeros behind a header
// is one segment of 2 GiB), so it grows with realloc(), which moves a large
// block's pages instead of copying its bytes: what it holds is never held
// twice, as a std::string's growth would hold it.
class SegmentBuffer
{
public:
    SegmentBuffer() = default;
    ~SegmentBuffer();
    SegmentBuffer(const SegmentBuffer &) = delete;
    SegmentBuffer &operator=(const SegmentBuffer &) = delete;

    void append(std::string_view bytes);
    std::string_view view() const { return {mData, mSize}; }
    std::size_t size() const { return mSize; }
    bool empty() const { return mSize == 0; }
    void clear() { mSize = 0; }
    // Gives its memory back, as a segment of megabytes is done with.
    void release();

private:
    char *mData = nullptr;
    std::size_t mSize = 0;
    std::size_t mCapacity = 0;
};

#endif // SEGMENTBUFFER_P_H
