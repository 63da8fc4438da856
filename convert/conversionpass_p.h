#ifndef CONVERSIONPASS_P_H
#define CONVERSIONPASS_P_H

#include "conversion.h"
#include "numberedfamilies_p.h"
#include "segmentbuffer_p.h"

#include <array>
#include <iterator>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Why a segment came out as it did; the report turns these into words.
enum class SegmentReason : unsigned char {
    Copied,
    // changed
    ValuesCut,              // aa, fd
    ValuesSet,              // bc
    CharactersCut,          // hc, hd
    // renumbered
    Renumbered,             // m, r, s, t
    RenumberedValue11,      // s, whose value 11 went from 2 to 1
    // dropped
    TagNotTaken,            // cc to ch, fv
    NothingLeft,            // hc or hd no longer than its cut
    SlotsFull,
    TooFewValues,
    FirstValueTooShort,
    LastValueNotANumber,
    LeadNumberNotANumber,
    LastValueAboveLimit,
    LeadNumberAboveLimit,
};

// Slot numbers that the next kept segment of each numbered family receives.
// They start at 0 with every pass and only rise.
struct PassCounters
{
    std::array<std::int32_t, std::size(NumberedFamilies::table)> nextSlot{};

    std::int32_t &of(const NumberedFamily &family) { return nextSlot[std::size_t(&family - NumberedFamilies::table)]; }
};

// One conversion of a QVR code. The pass owns what lives from segment to
// segment: the family counters, the output being assembled and, when asked
// for, the report. Each rule is a function that acts on the pass for one
// segment: it copies the segment, writes what it keeps of it, or drops it.
// A code is given whole (run), or in pieces as it is read (feed, then
// finish), cut anywhere; then what is converted goes on to a sink between
// segments, a block at a time, and counts only if finish() says Converted.
class ConversionPass
{
public:
    using Sink = std::function<void(std::string_view converted)>;

    explicit ConversionPass(std::string output = {}, ConversionReport *report = nullptr);

    ConversionOutcome run(std::string_view code);
    std::string takeOutput() { return std::move(mOutput); }

    void giveTo(Sink sink) { mSink = std::move(sink); }
    void feed(std::string_view text);
    ConversionOutcome finish();

    // What a rule does with the segment in hand.
    void copy(std::string_view segment) { mOutput += segment; }
    void write(std::string_view piece) { mOutput += piece; }
    void write(char c) { mOutput += c; }
    // Says what the pieces written so far amount to; a segment that comes out
    // as it went in counts as copied all the same.
    void note(SegmentReason reason) { mReason = reason; }
    // tested: the value a numbered rule read and refused, for the report.
    void drop(SegmentReason reason, std::string_view tested = {})
    {
        mReason = reason;
        mTested = tested;
    }

    PassCounters &counters() { return mCounters; }

private:
    void start();
    bool takeHeader(std::string_view &text);
    void convertSegment(std::string_view segment, std::size_t at);
    void convertPending();
    void giveOnWhenFull();
    void giveOn();
    void refuse(ConversionOutcome outcome);

    std::string mOutput;
    ConversionReport *mReport;
    PassCounters mCounters;
    SegmentReason mReason = SegmentReason::Copied;
    std::string_view mTested;

    Sink mSink;
    ConversionOutcome mOutcome = ConversionOutcome::Converted;
    bool mHeaderTaken = false;
    bool mAnyKept = false;        // the next kept segment needs a separator
    SegmentBuffer mPending;       // the header, or a segment, that the end of a piece cut
    std::size_t mPendingAt = 0;   // where in the code that segment begins
    std::size_t mTaken = 0;       // where in the code the next piece begins
    std::size_t mGivenOn = 0;     // what the sink has of the conversion
    std::size_t mPosition = 0;
};

#endif // CONVERSIONPASS_P_H
