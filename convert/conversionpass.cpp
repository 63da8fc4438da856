#include "conversionpass_p.h"

#include "segmentdispatch_p.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// What a streamed pass holds goes on, between segments, once it is this much.
constexpr std::size_t givenOnFrom = std::size_t(256) << 10;

// The separators of a code are found eight bytes at a time: a call to
// memchr for each segment of a few bytes costs more than the search, and
// WebAssembly's memchr goes a byte at a time anyway. A word's bytes that
// are '_' come out as its bytes' top bits (exactly, unlike the shorter
// test for a zero byte, whose borrow can mark the byte after one).
constexpr std::uint64_t eachByte = 0x0101010101010101u;
static_assert(std::endian::native == std::endian::little, "a word's first byte is its lowest");

std::uint64_t separatorsIn(const char *at)
{
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    const std::uint64_t zeroWhereSeparator = word ^ ('_' * eachByte);
    const std::uint64_t low = 0x7f * eachByte;
    return ~(((zeroWhereSeparator & low) + low) | zeroWhereSeparator | low);
}

// Where the next separator stands, or npos.
std::size_t nextSeparator(std::string_view text, std::size_t from)
{
    std::size_t at = from;
    for (; at + 8 <= text.size(); at += 8) {
        if (const std::uint64_t found = separatorsIn(text.data() + at))
            return at + std::size_t(std::countr_zero(found) / 8);
    }
    for (; at < text.size(); ++at) {
        if (text[at] == '_')
            return at;
    }
    return std::string_view::npos;
}

// Whether a code's segments hold an empty one: a separator first, last,
// or beside another, or no segment at all; in one pass over the bytes.
bool hasEmptySegment(std::string_view segments)
{
    if (segments.empty() || segments.front() == '_' || segments.back() == '_')
        return true;
    std::uint64_t lastWasSeparator = 0; // the top bit of the first byte
    std::size_t at = 0;
    for (; at + 8 <= segments.size(); at += 8) {
        const std::uint64_t found = separatorsIn(segments.data() + at);
        if ((found & (found << 8)) != 0 || (found & lastWasSeparator) != 0)
            return true;
        lastWasSeparator = found >> 56;
    }
    bool previous = lastWasSeparator != 0;
    for (; at < segments.size(); ++at) {
        const bool separator = segments[at] == '_';
        if (separator && previous)
            return true;
        previous = separator;
    }
    return false;
}

// The header is tested before the version, so a code too short to hold one
// (or with a separator inside it) is unconvertible whatever its first bytes
// say. A load judges it so (judge), and so does a pass as the header comes.
ConversionOutcome judgeHeader(std::string_view header)
{
    if (header.size() < Conversion::headerLength || header.find('_') != std::string_view::npos)
        return ConversionOutcome::Unconvertible;
    if (!Conversion::isAcceptedVersion(Conversion::versionPrefix(header)))
        return ConversionOutcome::VersionRejected;
    return ConversionOutcome::Converted;
}

} // namespace

ConversionPass::ConversionPass(std::string output, ConversionReport *report)
    : mOutput(std::move(output))
    , mReport(report)
{
    start();
}

void ConversionPass::start()
{
    mOutput.clear();
    mCounters = PassCounters();
    if (mReport)
        mReport->clear();
    mOutcome = ConversionOutcome::Converted;
    mHeaderTaken = false;
    mAnyKept = false;
    mPending.release();
    mTaken = mGivenOn = mPendingAt = mPosition = 0;
}

ConversionOutcome ConversionPass::run(std::string_view code)
{
    start();
    // Only a bc segment with empty values 2 and 4 grows, so the input's
    // size nearly always holds the whole result.
    if (code.size() > Conversion::headerLength && Conversion::isAcceptedVersion(Conversion::versionPrefix(code)))
        mOutput.reserve(code.size());
    feed(code);
    return finish();
}

// The header, then each segment as the separator after it comes; the
// segment the end of the text cuts waits for the next piece. The header
// is judged as judge() says, but an empty segment is found on the way, in
// the same pass, so that a code of megabytes is read once.
void ConversionPass::feed(std::string_view text)
{
    if (mOutcome != ConversionOutcome::Converted || (!mHeaderTaken && !takeHeader(text)))
        return;
    std::size_t from = 0;
    if (!mPending.empty()) {
        const std::size_t cut = nextSeparator(text, 0);
        mPending.append(text.substr(0, cut));
        if (cut == std::string_view::npos) {
            mTaken += text.size();
            return;
        }
        convertPending();
        from = cut + 1;
    }
    while (mOutcome == ConversionOutcome::Converted) {
        const std::size_t cut = nextSeparator(text, from);
        if (cut == std::string_view::npos) {
            mPending.append(text.substr(from));
            mPendingAt = mTaken + from;
            break;
        }
        convertSegment(text.substr(from, cut - from), mTaken + from);
        giveOnWhenFull();
        from = cut + 1;
    }
    mTaken += text.size();
}

bool ConversionPass::takeHeader(std::string_view &text)
{
    const std::size_t wanted = Conversion::headerLength - mPending.size();
    mPending.append(text.substr(0, wanted));
    mTaken += std::min(wanted, text.size());
    if (mPending.size() < Conversion::headerLength)
        return false;
    text.remove_prefix(wanted);
    const ConversionOutcome header = judgeHeader(mPending.view());
    mPending.clear();
    mHeaderTaken = true;
    mPendingAt = mTaken;
    if (header != ConversionOutcome::Converted)
        refuse(header);
    else
        mOutput += Conversion::outputHeader;
    return mOutcome == ConversionOutcome::Converted;
}

// The last segment is the one the end of the code closes: empty when the
// code ends with a separator, or is its header alone.
ConversionOutcome ConversionPass::finish()
{
    if (mOutcome == ConversionOutcome::Converted && !mHeaderTaken)
        refuse(ConversionOutcome::Unconvertible);
    if (mOutcome == ConversionOutcome::Converted)
        convertPending();
    if (mOutcome == ConversionOutcome::Converted && mSink && !mOutput.empty())
        giveOn();
    return mOutcome;
}

void ConversionPass::convertSegment(std::string_view segment, std::size_t at)
{
    // An empty segment has no tag to convert by.
    if (segment.empty())
        return refuse(ConversionOutcome::Unconvertible);
    const std::size_t mark = mOutput.size();
    if (mAnyKept)
        mOutput += '_';
    const std::size_t start = mOutput.size();
    // A segment's conversion is at most a few bytes longer than the segment
    // (a bc segment's values set): room for it at once, so that the
    // conversion of a huge segment is not copied to grow.
    constexpr std::size_t grownBy = 32;
    if (mOutput.capacity() - start < segment.size() + grownBy)
        mOutput.reserve(start + segment.size() + grownBy);
    mReason = SegmentReason::Copied;
    SegmentDispatch::convert(*this, segment);
    if (mReport) {
        const std::string_view result = std::string_view(mOutput).substr(start);
        mReport->record(++mPosition, segment, at, result, mGivenOn + start, static_cast<unsigned char>(mReason), mTested);
        mTested = {};
    }
    if (mOutput.size() == start)
        mOutput.resize(mark); // a dropped segment leaves no separator behind
    else
        mAnyKept = true;
}

// A segment that waited for its end is let go before its conversion goes
// on, so that a huge one and its conversion are not held with a copy.
void ConversionPass::convertPending()
{
    convertSegment(mPending.view(), mPendingAt);
    mPending.release();
    giveOnWhenFull();
}

void ConversionPass::giveOnWhenFull()
{
    if (mSink && mOutput.size() >= givenOnFrom)
        giveOn();
}

void ConversionPass::giveOn()
{
    mSink(mOutput);
    mGivenOn += mOutput.size();
    mOutput.clear();
}

// A refused code converts to nothing; the rest of it is let go unread.
void ConversionPass::refuse(ConversionOutcome outcome)
{
    mOutcome = outcome;
    mOutput.clear();
    mPending.release();
    if (mReport)
        mReport->clear();
}

// An empty segment has no tag to convert by: the whole code is refused
// rather than converted into something that loses a piece.
ConversionOutcome Conversion::judge(std::string_view code)
{
    const ConversionOutcome header = judgeHeader(code.substr(0, headerLength));
    if (header != ConversionOutcome::Converted)
        return header;
    if (hasEmptySegment(code.substr(headerLength)))
        return ConversionOutcome::Unconvertible;
    return ConversionOutcome::Converted;
}

std::string_view Conversion::versionPrefix(std::string_view code)
{
    return code.substr(0, 3);
}

bool Conversion::isAcceptedVersion(std::string_view version)
{
    return version == "106" || version == "107";
}

ConversionResult Conversion::convert(std::string_view code)
{
    ConversionResult result;
    result.outcome = convert(code, result.code);
    return result;
}

ConversionOutcome Conversion::convert(std::string_view code, std::string &out, ConversionReport *report)
{
    ConversionPass pass(std::move(out), report);
    const ConversionOutcome outcome = pass.run(code);
    out = pass.takeOutput();
    return outcome;
}
