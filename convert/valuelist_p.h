#ifndef VALUELIST_P_H
#define VALUELIST_P_H

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The "."-separated values of a segment, read where they stand: value 0
// begins with the tag and empty values keep their places. Nothing is split
// into a list, so a segment of millions of values costs no memory, and a
// rule reads only the values it needs, from the end it needs them.
namespace ValueList {

// Whether the segment holds at least count values; stops counting there.
bool hasAtLeast(std::string_view segment, std::size_t count);

// Value index counted from the front, or nothing when there are fewer values.
std::optional<std::string_view> at(std::string_view segment, std::size_t index);

// Fills values with the segment's first values, as many as it holds and
// values has room for; returns how many that is.
template<std::size_t N>
std::size_t front(std::string_view segment, std::array<std::string_view, N> &values)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t dot = segment.find('.', start);
        values[i] = segment.substr(start, dot - start);
        if (dot == std::string_view::npos)
            return i + 1;
        start = dot + 1;
    }
    return N;
}

// The segment without its last count values (and the "." before them), or
// nothing when it holds no more than count values.
std::optional<std::string_view> withoutLast(std::string_view segment, std::size_t count);

std::string_view first(std::string_view segment);
std::string_view last(std::string_view segment);

// What stands around values, which must be views into segment.
inline std::string_view before(std::string_view segment, std::string_view value)
{
    return segment.substr(0, std::size_t(value.data() - segment.data()));
}

inline std::string_view after(std::string_view segment, std::string_view value)
{
    return segment.substr(std::size_t(value.data() - segment.data()) + value.size());
}

// What stands between two values, the first before the second.
inline std::string_view between(std::string_view segment, std::string_view from, std::string_view to)
{
    const std::size_t start = std::size_t(from.data() - segment.data()) + from.size();
    return segment.substr(start, std::size_t(to.data() - segment.data()) - start);
}

} // namespace ValueList

#endif // VALUELIST_P_H
