#include "valuelist.h"

#include "stringtools.h"

void ValueList::split(std::string_view segment)
{
    mValues.clear();
    StringTools::forEachPiece(segment, '.', [this](std::string_view value) { mValues.push_back(value); });
}

void ValueList::appendJoined(std::string &out) const
{
    out += mValues.front();
    appendAfterFirst(out);
}

void ValueList::appendAfterFirst(std::string &out) const
{
    for (std::size_t i = 1; i < mValues.size(); ++i) {
        out += '.';
        out += mValues[i];
    }
}
