#ifndef VALUELIST_H
#define VALUELIST_H

#include <string>
#include <string_view>
#include <vector>

// The "."-separated values of one segment, as views into the segment.
// Value 0 begins with the tag; empty values keep their places. One list is
// reused for every segment of a pass, so splitting allocates only while the
// longest segment seen so far grows.
class ValueList
{
public:
    void split(std::string_view segment);

    std::size_t size() const { return mValues.size(); }
    std::string_view operator[](std::size_t index) const { return mValues[index]; }
    std::string_view last() const { return mValues.back(); }

    void replace(std::size_t index, std::string_view value) { mValues[index] = value; }
    void dropLast(std::size_t count) { mValues.resize(mValues.size() - count); }

    // Appends all values joined by "."; callers keep the list non-empty.
    void appendJoined(std::string &out) const;
    // Appends ".value" for every value after value 0.
    void appendAfterFirst(std::string &out) const;

private:
    std::vector<std::string_view> mValues;
};

#endif // VALUELIST_H
