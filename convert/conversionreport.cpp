#include "conversion.h"

#include "conversionpass_p.h"
#include "fixedrules_p.h"
#include "numberedfamilies_p.h"

#include <cstdio>
#include <iterator>

namespace {

using Fate = ConversionReport::Fate;

constexpr std::string_view fateNames[] = {"copied", "changed", "renumbered", "dropped"};

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

// At most segmentShownBytes of a text, never ending inside a character,
// with "..." where it was cut.
std::string_view shownPart(std::string_view text)
{
    return StringTools::leadingBytes(text, ConversionReport::segmentShownBytes);
}

// Valid UTF-8 with its control characters written out, as \n or \x01, so
// that an entry (a line break in the last segment, say) stays on one line.
std::string printable(std::string_view text)
{
    std::string out;
    for (const char c : CodeText::encode(std::string(text))) {
        const auto byte = static_cast<unsigned char>(c);
        char written[8];
        if (c == '\n' || c == '\t') {
            out += c == '\n' ? "\\n" : "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            std::snprintf(written, sizeof written, "\\x%02x", byte);
            out += written;
        } else {
            out += c;
        }
    }
    return out;
}

std::string quoted(std::string_view text)
{
    return '"' + printable(text) + '"';
}

// What a changed or dropped segment's reason says: its start (the tag is
// all a reason needs), the value a numbered rule refused, and that value
// read as a number.
struct ReasonFacts
{
    std::string_view segment;
    std::string_view value;
    std::int32_t number;

    std::string tag() const { return std::string(segment.substr(0, 2)); }
    const NumberedFamily &family() const { return *NumberedFamilies::find(segment[0]); }
    std::string letter() const { return std::string(1, family().letter); }

    // "m: slot 03 becomes 00, the last four values are cut": what the rule
    // of a numbered family did to a segment it kept (number: the new slot).
    std::string renumbering(bool value11Changed) const
    {
        const NumberedFamily &numbered = family();
        const std::string oldSlot = printable(segment.substr(1, 2));
        const std::string newSlot = std::string(1, char('0' + number / 10)) + char('0' + number % 10);
        std::string words = letter() + ": slot " + oldSlot + (oldSlot == newSlot ? " stays " : " becomes ") + newSlot;
        words += ", " + lastCut(numbered.valuesCut, EndCut::Values);
        if (value11Changed)
            words += ", value 11 becomes 1";
        if (numbered.appendsOne)
            words += ", and a value 1 is added";
        return words;
    }

    // "hc: the last six characters are cut"
    std::string cut() const
    {
        const EndCut &rule = *FixedRules::cutOf(segment);
        return std::string(rule.tag) + ": " + lastCut(rule.count, rule.unit);
    }

    // "bc: value 2 becomes 8 and value 4 becomes 0"
    static std::string valuesSet()
    {
        std::string words = std::string(FixedRules::bcTag) + ": ";
        for (const ValueSet &set : FixedRules::bc)
            words += (&set == FixedRules::bc ? "value " : " and value ") + std::to_string(set.index) + " becomes "
                + std::string(set.value);
        return words;
    }

    // "nothing is left once hc loses its last six characters"
    std::string nothingLeft() const
    {
        const EndCut &rule = *FixedRules::cutOf(segment);
        return "nothing is left once " + std::string(rule.tag) + " loses its last " + std::string(countWord(rule.count))
            + " " + std::string(unitWord(rule.unit));
    }

    static std::string_view countWord(std::size_t count)
    {
        static constexpr std::string_view words[] = {"", "", "two", "three", "four", "five", "six"};
        return count < std::size(words) ? words[count] : "many";
    }

    static std::string_view unitWord(EndCut::Unit unit) { return unit == EndCut::Values ? "values" : "characters"; }

    // "the last value is cut", "the last four values are cut"
    static std::string lastCut(std::size_t count, EndCut::Unit unit)
    {
        if (count == 1)
            return unit == EndCut::Values ? "the last value is cut" : "the last character is cut";
        return "the last " + std::string(countWord(count)) + " " + std::string(unitWord(unit)) + " are cut";
    }
};

// Every reason a pass gives, in the order of SegmentReason: the fate it
// counts as, a stable word for scripts, and its words for people.
struct ReasonEntry
{
    SegmentReason reason;
    Fate fate;
    std::string_view key;
    std::string (*words)(const ReasonFacts &);
};

constexpr ReasonEntry reasons[] = {
    {SegmentReason::Copied, Fate::Copied, "copied", nullptr},
    {SegmentReason::ValuesCut, Fate::Changed, "values-cut", [](const ReasonFacts &facts) { return facts.cut(); }},
    {SegmentReason::ValuesSet, Fate::Changed, "values-rewritten",
     [](const ReasonFacts &) { return ReasonFacts::valuesSet(); }},
    {SegmentReason::CharactersCut, Fate::Changed, "characters-cut", [](const ReasonFacts &facts) { return facts.cut(); }},
    {SegmentReason::Renumbered, Fate::Renumbered, "renumbered",
     [](const ReasonFacts &facts) { return facts.renumbering(false); }},
    {SegmentReason::RenumberedValue11, Fate::Renumbered, "renumbered",
     [](const ReasonFacts &facts) { return facts.renumbering(true); }},
    {SegmentReason::TagNotTaken, Fate::Dropped, "tag-not-taken",
     [](const ReasonFacts &facts) { return "Morvane takes no " + quoted(facts.tag()) + " segments"; }},
    {SegmentReason::NothingLeft, Fate::Dropped, "nothing-left",
     [](const ReasonFacts &facts) { return facts.nothingLeft(); }},
    {SegmentReason::SlotsFull, Fate::Dropped, "slots-full",
     [](const ReasonFacts &facts) {
         return "all " + number(facts.family().lastSlot + 1) + " " + facts.letter() + " slots are taken";
     }},
    {SegmentReason::TooFewValues, Fate::Dropped, "values-do-not-fit",
     [](const ReasonFacts &facts) {
         return (facts.family().letter == 't' ? "a " : "an ") + facts.letter() + " segment needs at least "
             + number(std::int64_t(facts.family().fewestValues)) + " values";
     }},
    {SegmentReason::FirstValueTooShort, Fate::Dropped, "values-do-not-fit",
     [](const ReasonFacts &) -> std::string { return "value 0 has no slot number"; }},
    {SegmentReason::LastValueNotANumber, Fate::Dropped, "not-a-number",
     [](const ReasonFacts &facts) { return "the last value kept, " + quoted(facts.value) + ", is not a number"; }},
    {SegmentReason::LeadNumberNotANumber, Fate::Dropped, "not-a-number",
     [](const ReasonFacts &facts) { return "the lead number " + quoted(facts.value) + " is not a number"; }},
    {SegmentReason::LastValueAboveLimit, Fate::Dropped, "out-of-range",
     [](const ReasonFacts &facts) {
         return "the last value kept, " + number(facts.number) + ", is above "
             + number(*facts.family().highestLastValue);
     }},
    {SegmentReason::LeadNumberAboveLimit, Fate::Dropped, "out-of-range",
     [](const ReasonFacts &facts) {
         return "the lead number " + number(facts.number) + " is above " + number(*facts.family().highestLeadNumber);
     }},
};

constexpr bool inReasonOrder()
{
    for (std::size_t i = 0; i < std::size(reasons); ++i)
        if (std::size_t(reasons[i].reason) != i)
            return false;
    return true;
}
static_assert(inReasonOrder(), "one entry per SegmentReason, in its order");

const ReasonEntry &reasonEntry(SegmentReason reason)
{
    return reasons[std::size_t(reason)];
}

} // namespace

void ConversionReport::record(std::size_t position, std::string_view segment, std::size_t inputStart,
                              std::string_view result, std::size_t outputStart, unsigned char reasonCode,
                              std::string_view tested)
{
    auto reason = static_cast<SegmentReason>(reasonCode);
    // Whatever a rule meant to do, a segment that comes out as it went in
    // was copied.
    if (result == segment)
        reason = SegmentReason::Copied;
    const Fate fate = reasonEntry(reason).fate;
    ++mCounts[fate];
    if (fate == Copied)
        return;
    const bool listed = mListed < entriesListed;
    if (listed)
        ++mListed;
    else
        ++mUnlisted;
    const bool kept = !result.empty();
    const bool marked = mMarking && (inputStart < CodeText::previewBytes || (kept && outputStart < CodeText::previewBytes));
    if (!listed && !marked)
        return;

    const std::string_view shown = shownPart(segment);
    const std::string_view shownValue = shownPart(tested);
    // A renumbered segment's new slot is the number its reason says.
    const std::int32_t number = fate == Renumbered ? (result[1] - '0') * 10 + (result[2] - '0')
                                                   : NumberedFamilies::readNumber(tested).value_or(0);
    mNotes.push_back({position, mNoted.size(), std::uint16_t(shown.size() + (shown.size() < segment.size() ? 3 : 0)),
                      std::uint16_t(shownValue.size()), number, static_cast<unsigned char>(reason), listed, kept,
                      {inputStart, segment.size()}, {outputStart, result.size()}});
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
    const ReasonEntry &reason = reasonEntry(static_cast<SegmentReason>(note.reason));
    return {note.position, std::string(segment), reason.fate, reason.key, reason.words({segment, value, note.number}),
            note.input, note.kept ? std::optional<Range>(note.output) : std::nullopt};
}

std::vector<ConversionReport::Entry> ConversionReport::entries() const
{
    std::vector<Entry> entries;
    entries.reserve(mListed);
    for (const Note &note : mNotes)
        if (note.listed)
            entries.push_back(entryOf(note));
    return entries;
}

std::vector<ConversionReport::Entry> ConversionReport::marks() const
{
    std::vector<Entry> marks;
    if (!mMarking)
        return marks;
    for (const Note &note : mNotes)
        if (note.input.start < CodeText::previewBytes || (note.kept && note.output.start < CodeText::previewBytes))
            marks.push_back(entryOf(note));
    return marks;
}

std::string_view ConversionReport::fateName(Fate fate)
{
    return fateNames[fate];
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
        if (!note.listed)
            continue;
        const Entry entry = entryOf(note);
        text += "#" + number(std::int64_t(entry.position)) + " " + printable(entry.segment) + ": "
            + std::string(fateNames[entry.fate]) + ": " + entry.reason + "\n";
    }
    if (mUnlisted > 0)
        text += "... and " + number(std::int64_t(mUnlisted)) + " more segments changed, renumbered or dropped\n";
    return text;
}

void ConversionReport::clear()
{
    mCounts = {};
    mListed = 0;
    mUnlisted = 0;
    mNotes.clear();
    mNoted.clear();
}
