#include "conversion.h"

#include "conversionpass_p.h"
#include "numberedfamilies_p.h"

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

// At most segmentShownBytes of a text, never ending inside a character,
// with "..." where it was cut.
std::string_view shownPart(std::string_view text)
{
    if (text.size() <= ConversionReport::segmentShownBytes)
        return text;
    std::size_t end = ConversionReport::segmentShownBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
        --end;
    return text.substr(0, end);
}

enum class Escapes { Text, Json };

// Valid UTF-8 with its control characters written out: as \n or \x01 for
// people, so that an entry (a line break in the last segment, say) stays on
// one line, or as JSON wants them, quotes and backslashes included.
std::string escaped(std::string_view text, Escapes escapes)
{
    std::string out;
    for (const char c : CodeText::encode(std::string(text))) {
        const auto byte = static_cast<unsigned char>(c);
        char written[8];
        if (escapes == Escapes::Json && (c == '"' || c == '\\')) {
            out += '\\';
            out += c;
        } else if (escapes == Escapes::Text && (c == '\n' || c == '\t')) {
            out += c == '\n' ? "\\n" : "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            std::snprintf(written, sizeof written, escapes == Escapes::Json ? "\\u%04x" : "\\x%02x", byte);
            out += written;
        } else {
            out += c;
        }
    }
    return out;
}

std::string printable(std::string_view text)
{
    return escaped(text, Escapes::Text);
}

std::string quoted(std::string_view text)
{
    return '"' + printable(text) + '"';
}

// segment: as shown (its start is all a reason needs); value and number:
// what a numbered rule tested.
std::string reasonText(std::string_view segment, std::string_view value, std::int32_t tested, SegmentReason reason)
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
        return (family.letter == 't' ? "a " : "an ") + letter + " segment needs at least "
            + number(std::int64_t(family.fewestValues)) + " values";
    case SegmentReason::FirstValueTooShort:
        return "value 0 has no slot number";
    case SegmentReason::LastValueNotANumber:
        return "the last value kept, " + quoted(value) + ", is not a number";
    case SegmentReason::LeadNumberNotANumber:
        return "the lead number " + quoted(value) + " is not a number";
    case SegmentReason::LastValueAboveLimit:
        return "the last value kept, " + number(tested) + ", is above " + number(*family.highestLastValue);
    case SegmentReason::LeadNumberAboveLimit:
        return "the lead number " + number(tested) + " is above " + number(*family.highestLeadNumber);
    default:
        return std::string();
    }
}

std::string jsonString(std::string_view text)
{
    return '"' + escaped(text, Escapes::Json) + '"';
}

} // namespace

void ConversionReport::record(std::size_t position, std::string_view segment, std::string_view result,
                              unsigned char reasonCode, std::string_view tested)
{
    auto reason = static_cast<SegmentReason>(reasonCode);
    // Whatever a rule meant to do, a segment that comes out as it went in
    // was copied.
    if (result == segment)
        reason = SegmentReason::Copied;
    const Fate fate = fateOf(reason);
    ++mCounts[fate];
    if (fate != Changed && fate != Dropped)
        return;

    const std::string_view shown = shownPart(segment);
    const std::string_view shownValue = shownPart(tested);
    const std::int32_t number = NumberedFamilies::readNumber(tested).value_or(0);
    mNotes.push_back({position, mNoted.size(), std::uint16_t(shown.size() + (shown.size() < segment.size() ? 3 : 0)),
                      std::uint16_t(shownValue.size()), number, static_cast<unsigned char>(reason)});
    mNoted += shown;
    if (shown.size() < segment.size())
        mNoted += "...";
    mNoted += shownValue;
}

ConversionReport::Entry ConversionReport::entryOf(const Note &note) const
{
    const std::string_view noted = std::string_view(mNoted).substr(note.start);
    const std::string_view segment = noted.substr(0, note.segmentLength);
    const std::string_view value = noted.substr(note.segmentLength, note.valueLength);
    const auto reason = static_cast<SegmentReason>(note.reason);
    return {note.position, std::string(segment), fateOf(reason), keyOf(reason),
            reasonText(segment, value, note.number, reason)};
}

std::vector<ConversionReport::Entry> ConversionReport::entries() const
{
    std::vector<Entry> entries;
    entries.reserve(mNotes.size());
    for (const Note &note : mNotes)
        entries.push_back(entryOf(note));
    return entries;
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
    // Straight from the notes: a report of millions of segments need not
    // hold them all as entries to be written out.
    std::string text;
    for (const Note &note : mNotes) {
        const Entry entry = entryOf(note);
        text += "#" + number(std::int64_t(entry.position)) + " " + printable(entry.segment) + ": "
            + std::string(fateNames[entry.fate]) + ": " + entry.reason + "\n";
    }
    return text;
}

std::string ConversionReport::json(std::string_view input) const
{
    std::string text = "{";
    if (!input.empty())
        text += "\"input\": " + jsonString(input) + ", ";
    text += "\"segments\": " + number(std::int64_t(segmentCount()));
    for (int fate = Copied; fate <= Dropped; ++fate)
        text += ", \"" + std::string(fateNames[fate]) + "\": " + number(std::int64_t(mCounts[fate]));
    text += ", \"entries\": [";
    for (std::size_t i = 0; i < mNotes.size(); ++i) {
        const Entry entry = entryOf(mNotes[i]);
        text += i == 0 ? "\n  " : ",\n  ";
        text += "{\"position\": " + number(std::int64_t(entry.position)) + ", \"segment\": " + jsonString(entry.segment)
            + ", \"fate\": \"" + std::string(fateNames[entry.fate]) + "\", \"key\": \"" + std::string(entry.key)
            + "\", \"reason\": " + jsonString(entry.reason) + "}";
    }
    text += mNotes.empty() ? "]}\n" : "\n]}\n";
    return text;
}

std::string ConversionReport::jsonOfFailure(std::string_view input, std::string_view message)
{
    return "{\"input\": " + jsonString(input) + ", \"error\": " + jsonString(message) + "}\n";
}

void ConversionReport::clear()
{
    mCounts = {};
    mNotes.clear();
    mNoted.clear();
}
