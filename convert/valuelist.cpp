#include "valuelist_p.h"

namespace ValueList {

bool hasAtLeast(std::string_view segment, std::size_t count)
{
    std::size_t dots = 0;
    for (std::size_t at = segment.find('.'); dots + 1 < count && at != std::string_view::npos;
         at = segment.find('.', at + 1))
        ++dots;
    return dots + 1 >= count;
}

std::optional<std::string_view> at(std::string_view segment, std::size_t index)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t dot = segment.find('.', start);
        if (dot == std::string_view::npos)
            return std::nullopt;
        start = dot + 1;
    }
    return segment.substr(start, segment.find('.', start) - start);
}

std::optional<std::string_view> withoutLast(std::string_view segment, std::size_t count)
{
    std::size_t end = segment.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (end == 0)
            return std::nullopt;
        end = segment.rfind('.', end - 1);
        if (end == std::string_view::npos)
            return std::nullopt;
    }
    return segment.substr(0, end);
}

std::string_view first(std::string_view segment)
{
    return segment.substr(0, segment.find('.'));
}

std::string_view last(std::string_view segment)
{
    const std::size_t dot = segment.rfind('.');
    return dot == std::string_view::npos ? segment : segment.substr(dot + 1);
}

} // namespace ValueList
