#include "said.h"

Said::Said(std::string text)
    : mWords(std::move(text))
{
}

Said::Said(const char *context, const char *words, std::vector<Said> values)
    : mContext(context)
    , mWords(words)
    , mValues(std::move(values))
{
}

Said::Said(const char *context, const char *many, const char *one, std::int64_t count, std::vector<Said> values)
    : mContext(context)
    , mWords(many)
    , mOne(one)
    , mValues(std::move(values))
    , mCount(count)
{
}

std::string Said::text() const
{
    if (isText())
        return mWords;
    std::vector<std::string> values;
    values.reserve(mValues.size());
    for (const Said &value : mValues)
        values.push_back(value.text());
    return fill(mCount == 1 ? mOne : std::string_view(mWords), values, mCount);
}

std::string Said::fill(std::string_view words, const std::vector<std::string> &values, std::optional<std::int64_t> count)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const char next = i + 1 < words.size() ? words[i + 1] : '\0';
        if (words[i] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < values.size()) {
            text += values[std::size_t(next - '1')];
            ++i;
        } else if (words[i] == '%' && next == 'n' && count) {
            text += std::to_string(*count);
            ++i;
        } else {
            text += words[i];
        }
    }
    return text;
}
