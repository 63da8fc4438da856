#include "segmentbuffer_p.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

SegmentBuffer::~SegmentBuffer()
{
    std::free(mData);
}

void SegmentBuffer::append(std::string_view bytes)
{
    if (bytes.size() > mCapacity - mSize) {
        const std::size_t capacity = std::max({mSize + bytes.size(), 2 * mCapacity, std::size_t(256)});
        char *grown = static_cast<char *>(std::realloc(mData, capacity));
        if (!grown)
            throw std::bad_alloc();
        mData = grown;
        mCapacity = capacity;
    }
    if (!bytes.empty())
        std::memcpy(mData + mSize, bytes.data(), bytes.size());
    mSize += bytes.size();
}

void SegmentBuffer::release()
{
    std::free(mData);
    mData = nullptr;
    mSize = mCapacity = 0;
}
