#include "conversion.h"

#include "conversionpass_p.h"
#include "fixedrules_p.h"
#include "numberedfamilies_p.h"

#include <cstdio>
#include <iterator>

namespace {

using Fate = ConversionReport::Fate;

constexpr std::string_view fateNames[] = {"copied", "changed", "renumbered", "dropped"};
// The same for people, to translate.
constexpr const char *fateWords[] = {QVR_TR("ConversionReport", "copied"), QVR_TR("ConversionReport", "changed"),
                                     QVR_TR("ConversionReport", "renumbered"), QVR_TR("ConversionReport", "dropped")};

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

// The words of a cut, by what it cuts and how many: every count a rule's
// table has (fixedrules_p.h, numberedfamilies_p.h) has its words here.
struct CutWords
{
    EndCut::Unit unit;
    std::size_t count;
    const char *cut;         // "the last two values are cut"
    const char *nothingLeft; // "nothing is left once hd loses its last two characters"
};

constexpr CutWords cutWords[] = {
    {EndCut::Values, 1, QVR_TR("ConversionReport", "the last value is cut"), nullptr},
    {EndCut::Values, 2, QVR_TR("ConversionReport", "the last two values are cut"), nullptr},
    {EndCut::Values, 3, QVR_TR("ConversionReport", "the last three values are cut"), nullptr},
    {EndCut::Values, 4, QVR_TR("ConversionReport", "the last four values are cut"), nullptr},
    {EndCut::Characters, 2, QVR_TR("ConversionReport", "the last two characters are cut"),
     QVR_TR("ConversionReport", "nothing is left once %1 loses its last two characters")},
    {EndCut::Characters, 6, QVR_TR("ConversionReport", "the last six characters are cut"),
     QVR_TR("ConversionReport", "nothing is left once %1 loses its last six characters")},
};

constexpr const CutWords *cutWordsOf(EndCut::Unit unit, std::size_t count)
{
    for (const CutWords &words : cutWords)
        if (words.unit == unit && words.count == count)
            return &words;
    return nullptr;
}

constexpr bool everyCutHasWords()
{
    for (const EndCut &cut : FixedRules::cuts)
        if (!cutWordsOf(cut.unit, cut.count) || (cut.unit == EndCut::Characters && !cutWordsOf(cut.unit, cut.count)->nothingLeft))
            return false;
    for (const NumberedFamily &family : NumberedFamilies::table)
        if (!cutWordsOf(EndCut::Values, family.valuesCut))
            return false;
    return std::size(FixedRules::bc) == 2;
}
static_assert(everyCutHasWords(), "every cut of the rules' tables has its words, and bc sets two values");

constexpr const char *context = "ConversionReport";

Said said(const char *words, std::vector<Said> values = {})
{
    return Said(context, words, std::move(values));
}

// What a changed or dropped segment's reason says: its start (the tag is
// all a reason needs), the value a numbered rule refused, and that value
// read as a number.
struct ReasonFacts
{
    std::string_view segment;
    std::string_view value;
    std::int32_t number;

    std::string tag() const { return printable(segment.substr(0, 2)); }
    const NumberedFamily &family() const { return *NumberedFamilies::find(segment[0]); }
    std::string letter() const { return std::string(1, family().letter); }

    // "m: slot 03 becomes 00, the last four values are cut": what the rule
    // of a numbered family did to a segment it kept (number: the new slot).
    Said renumbering(bool value11Changed) const
    {
        const NumberedFamily &numbered = family();
        const std::string oldSlot = printable(segment.substr(1, 2));
        const std::string newSlot = std::string(1, char('0' + number / 10)) + char('0' + number % 10);
        Said changes = said(cutWordsOf(EndCut::Values, numbered.valuesCut)->cut);
        if (value11Changed)
            changes = said(QVR_TR("ConversionReport", "%1, value 11 becomes 1"), {changes});
        if (numbered.appendsOne)
            changes = said(QVR_TR("ConversionReport", "%1, and a value 1 is added"), {changes});
        return said(oldSlot == newSlot ? QVR_TR("ConversionReport", "%1: slot %2 stays %3, %4")
                                       : QVR_TR("ConversionReport", "%1: slot %2 becomes %3, %4"),
                    {letter(), oldSlot, newSlot, changes});
    }

    // "hc: the last six characters are cut"
    Said cut() const
    {
        const EndCut &rule = *FixedRules::cutOf(segment);
        return said(QVR_TR("ConversionReport", "%1: %2"), {tag(), said(cutWordsOf(rule.unit, rule.count)->cut)});
    }

    // "bc: value 2 becomes 8 and value 4 becomes 0"
    static Said valuesSet()
    {
        const auto &[first, second] = FixedRules::bc;
        return said(QVR_TR("ConversionReport", "%1: value %2 becomes %3 and value %4 becomes %5"),
                    {std::string(FixedRules::bcTag), std::to_string(first.index), std::string(first.value),
                     std::to_string(second.index), std::string(second.value)});
    }

    // "nothing is left once hc loses its last six characters"
    Said nothingLeft() const
    {
        const EndCut &rule = *FixedRules::cutOf(segment);
        return said(cutWordsOf(rule.unit, rule.count)->nothingLeft, {tag()});
    }
};

// Every reason a pass gives, in the order of SegmentReason: the fate it
// counts as, a stable word for scripts, and its words for people.
struct ReasonEntry
{
    SegmentReason reason;
    Fate fate;
    std::string_view key;
    Said (*words)(const ReasonFacts &);
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
     [](const ReasonFacts &facts) { return said(QVR_TR("ConversionReport", "Morvane takes no \"%1\" segments"), {facts.tag()}); }},
    {SegmentReason::NothingLeft, Fate::Dropped, "nothing-left",
     [](const ReasonFacts &facts) { return facts.nothingLeft(); }},
    {SegmentReason::SlotsFull, Fate::Dropped, "slots-full",
     [](const ReasonFacts &facts) {
         return said(QVR_TR("ConversionReport", "all %1 %2 slots are taken"),
                     {number(facts.family().lastSlot + 1), facts.letter()});
     }},
    {SegmentReason::TooFewValues, Fate::Dropped, "values-do-not-fit",
     [](const ReasonFacts &facts) {
         // English's article: "a t", "an m".
         return said(facts.family().letter == 't' ? QVR_TR("ConversionReport", "a %1 segment needs at least %2 values")
                                                  : QVR_TR("ConversionReport", "an %1 segment needs at least %2 values"),
                     {facts.letter(), number(std::int64_t(facts.family().fewestValues))});
     }},
    {SegmentReason::FirstValueTooShort, Fate::Dropped, "values-do-not-fit",
     [](const ReasonFacts &) { return said(QVR_TR("ConversionReport", "value 0 has no slot number")); }},
    {SegmentReason::LastValueNotANumber, Fate::Dropped, "not-a-number",
     [](const ReasonFacts &facts) {
         return said(QVR_TR("ConversionReport", "the last value kept, \"%1\", is not a number"), {printable(facts.value)});
     }},
    {SegmentReason::LeadNumberNotANumber, Fate::Dropped, "not-a-number",
     [](const ReasonFacts &facts) {
         return said(QVR_TR("ConversionReport", "the lead number \"%1\" is not a number"), {printable(facts.value)});
     }},
    {SegmentReason::LastValueAboveLimit, Fate::Dropped, "out-of-range",
     [](const ReasonFacts &facts) {
         return said(QVR_TR("ConversionReport", "the last value kept, %1, is above %2"),
                     {number(facts.number), number(*facts.family().highestLastValue)});
     }},
    {SegmentReason::LeadNumberAboveLimit, Fate::Dropped, "out-of-range",
     [](const ReasonFacts &facts) {
         return said(QVR_TR("ConversionReport", "the lead number %1 is above %2"),
                     {number(facts.number), number(*facts.family().highestLeadNumber)});
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

Said ConversionReport::fateSaid(Fate fate)
{
    return said(fateWords[fate]);
}

Said ConversionReport::summary() const
{
    const std::size_t segments = segmentCount();
    return Said(context, QVR_TR_N("ConversionReport", "%n segments: %1 copied, %2 changed, %3 renumbered, %4 dropped"),
                "%n segment: %1 copied, %2 changed, %3 renumbered, %4 dropped", std::int64_t(segments),
                {number(std::int64_t(mCounts[Copied])), number(std::int64_t(mCounts[Changed])),
                 number(std::int64_t(mCounts[Renumbered])), number(std::int64_t(mCounts[Dropped]))});
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
            + std::string(fateNames[entry.fate]) + ": " + entry.reason.text() + "\n";
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
