#include "conversion.h"

#include "conversionpass_p.h"
#include "numberedfamilies_p.h"
#include "valuelist_p.h"

#include <cstdio>

namespace {

using Fate = ConversionReport::Fate;

constexpr std::string_view fateNames[] = {"copied", "changed", "renumbered", "dropped"};

Fate fateOf(SegmentReason reason)
{
    switch (reason) {
    case SegmentReason::Copied:
        return Fate::Copied;
    case SegmentReason::LastTwoValuesCut:
    case SegmentReason::ValuesTwoAndFourSet:
    case SegmentReason::LastSixCharactersCut:
    case SegmentReason::LastTwoCharactersCut:
    case SegmentReason::LastValueCut:
        return Fate::Changed;
    case SegmentReason::Renumbered:
        return Fate::Renumbered;
    default:
        return Fate::Dropped;
    }
}

std::string_view keyOf(SegmentReason reason)
{
    switch (reason) {
    case SegmentReason::Copied: return "copied";
    case SegmentReason::LastTwoValuesCut:
    case SegmentReason::LastValueCut: return "values-cut";
    case SegmentReason::ValuesTwoAndFourSet: return "values-rewritten";
    case SegmentReason::LastSixCharactersCut:
    case SegmentReason::LastTwoCharactersCut: return "characters-cut";
    case SegmentReason::Renumbered: return "renumbered";
    case SegmentReason::TagNotTaken: return "tag-not-taken";
    case SegmentReason::NothingLeft: return "nothing-left";
    case SegmentReason::SlotsFull: return "slots-full";
    case SegmentReason::TooFewValues:
    case SegmentReason::FirstValueTooShort: return "values-do-not-fit";
    case SegmentReason::LastValueNotANumber:
    case SegmentReason::LeadNumberNotANumber: return "not-a-number";
    case SegmentReason::LastValueAboveLimit:
    case SegmentReason::LeadNumberAboveLimit: return "out-of-range";
    }
    return "copied";
}

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

// At most segmentShownBytes of the segment, never ending inside a
// character, with "..." where it was cut.
std::string shown(std::string_view segment)
{
    if (segment.size() <= ConversionReport::segmentShownBytes)
        return std::string(segment);
    std::size_t end = ConversionReport::segmentShownBytes;
    while (end > 0 && (static_cast<unsigned char>(segment[end]) & 0xc0) == 0x80)
        --end;
    return std::string(segment.substr(0, end)) + "...";
}

// Control characters (a line break in the last segment, say) written out
// so that every entry stays on one line.
std::string printable(std::string_view text)
{
    std::string out;
    for (const char c : CodeText::encode(std::string(text))) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

std::string quoted(std::string_view text)
{
    return '"' + printable(shown(text)) + '"';
}

// The value a numbered rule tested, from the segment as it came in.
std::string_view testedValue(std::string_view segment, SegmentReason reason)
{
    const NumberedFamily &family = NumberedFamilies::family(segment[0]);
    const std::string_view kept = ValueList::withoutLast(segment, family.valuesCut).value_or(segment);
    if (reason == SegmentReason::LastValueNotANumber || reason == SegmentReason::LastValueAboveLimit)
        return ValueList::last(kept);
    return ValueList::first(kept).substr(3);
}

std::string reasonText(std::string_view segment, std::string_view result, SegmentReason reason)
{
    const std::string tag(segment.substr(0, 2));
    switch (reason) {
    case SegmentReason::LastTwoValuesCut:
        return "aa: the last two values are cut";
    case SegmentReason::ValuesTwoAndFourSet:
        return "bc: value 2 becomes 8 and value 4 becomes 0";
    case SegmentReason::LastSixCharactersCut:
        return "hc: the last six characters are cut";
    case SegmentReason::LastTwoCharactersCut:
        return "hd: the last two characters are cut";
    case SegmentReason::LastValueCut:
        return "fd: the last value is cut";
    case SegmentReason::Renumbered:
        return "slot " + quoted(segment.substr(1, 2)) + " becomes " + std::string(result.substr(1, 2));
    case SegmentReason::TagNotTaken:
        return "Morvane takes no " + quoted(tag) + " segments";
    case SegmentReason::NothingLeft:
        return "nothing is left once " + tag + " loses its last " + (tag == "hc" ? "six" : "two") + " characters";
    default:
        break;
    }

    const NumberedFamily &family = NumberedFamilies::family(segment[0]);
    const std::string letter(1, family.letter);
    switch (reason) {
    case SegmentReason::SlotsFull:
        return "all " + number(family.lastSlot + 1) + " " + letter + " slots are taken";
    case SegmentReason::TooFewValues:
        return (family.letter == 't' ? "a " : "an ") + letter + " segment needs at least " + number(std::int64_t(family.fewestValues)) + " values";
    case SegmentReason::FirstValueTooShort:
        return "value 0 has no slot number";
    case SegmentReason::LastValueNotANumber:
        return "the last value kept, " + quoted(testedValue(segment, reason)) + ", is not a number";
    case SegmentReason::LeadNumberNotANumber:
        return "the lead number " + quoted(testedValue(segment, reason)) + " is not a number";
    case SegmentReason::LastValueAboveLimit:
        return "the last value kept, " + number(*NumberedFamilies::readNumber(testedValue(segment, reason)))
            + ", is above " + number(*family.highestLastValue);
    case SegmentReason::LeadNumberAboveLimit:
        return "the lead number " + number(*NumberedFamilies::readNumber(testedValue(segment, reason)))
            + " is above " + number(*family.highestLeadNumber);
    default:
        return std::string();
    }
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : CodeText::encode(std::string(text))) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

} // namespace

void ConversionReport::record(std::size_t position, std::string_view segment, std::string_view result,
                              unsigned char reasonCode)
{
    auto reason = static_cast<SegmentReason>(reasonCode);
    // Whatever a rule meant to do, a segment that comes out as it went in
    // was copied.
    if (result == segment)
        reason = SegmentReason::Copied;
    const Fate fate = fateOf(reason);
    ++mCounts[fate];
    if (fate == Changed || fate == Dropped)
        mEntries.push_back({position, shown(segment), fate, keyOf(reason), reasonText(segment, result, reason)});
}

std::size_t ConversionReport::segmentCount() const
{
    return mCounts[Copied] + mCounts[Changed] + mCounts[Renumbered] + mCounts[Dropped];
}

std::string ConversionReport::summary() const
{
    const std::size_t segments = segmentCount();
    std::string text = number(std::int64_t(segments)) + (segments == 1 ? " segment: " : " segments: ");
    for (int fate = Copied; fate <= Dropped; ++fate) {
        if (fate != Copied)
            text += ", ";
        text += number(std::int64_t(mCounts[fate])) + " " + std::string(fateNames[fate]);
    }
    return text;
}

std::string ConversionReport::details() const
{
    std::string text;
    for (const Entry &entry : mEntries) {
        text += "#" + number(std::int64_t(entry.position)) + " " + printable(entry.segment) + ": "
            + std::string(fateNames[entry.fate]) + ": " + entry.reason + "\n";
    }
    return text;
}

std::string ConversionReport::json() const
{
    std::string text = "{\"segments\": " + number(std::int64_t(segmentCount()));
    for (int fate = Copied; fate <= Dropped; ++fate)
        text += ", \"" + std::string(fateNames[fate]) + "\": " + number(std::int64_t(mCounts[fate]));
    text += ", \"entries\": [";
    for (std::size_t i = 0; i < mEntries.size(); ++i) {
        const Entry &entry = mEntries[i];
        text += i == 0 ? "\n  " : ",\n  ";
        text += "{\"position\": " + number(std::int64_t(entry.position)) + ", \"segment\": " + jsonString(entry.segment)
            + ", \"fate\": \"" + std::string(fateNames[entry.fate]) + "\", \"key\": \"" + std::string(entry.key)
            + "\", \"reason\": " + jsonString(entry.reason) + "}";
    }
    text += mEntries.empty() ? "]}\n" : "\n]}\n";
    return text;
}

void ConversionReport::clear()
{
    mCounts = {};
    mEntries.clear();
}
