#include "conversionpass_p.h"

#include "segmentdispatch_p.h"

ConversionPass::ConversionPass(std::string output, ConversionReport *report)
    : mOutput(std::move(output))
    , mReport(report)
{
}

ConversionOutcome ConversionPass::run(std::string_view code)
{
    mOutput.clear();
    mCounters = PassCounters();
    if (mReport)
        mReport->clear();

    // The header is tested before the version, so a code too short to hold
    // one is unconvertible whatever its first bytes say.
    const std::string_view firstSegment = code.substr(0, code.find('_'));
    if (firstSegment.size() < Conversion::headerLength)
        return ConversionOutcome::Unconvertible;
    if (!Conversion::isAcceptedVersion(Conversion::versionPrefix(code)))
        return ConversionOutcome::VersionRejected;

    // Only a bc segment with empty values 2 and 4 grows, so the input's
    // size nearly always holds the whole result.
    mOutput.reserve(code.size());
    mOutput += Conversion::outputHeader;

    bool hasEmptySegment = false;
    std::size_t position = 0;
    StringTools::forEachPiece(code.substr(Conversion::headerLength), '_', [&](std::string_view segment) {
        // An empty segment has no tag to convert by; the whole code is
        // refused rather than converted into something that loses a piece.
        if (segment.empty() || hasEmptySegment) {
            hasEmptySegment = true;
            return;
        }
        const std::size_t mark = mOutput.size();
        if (mark > Conversion::outputHeader.size())
            mOutput += '_';
        const std::size_t start = mOutput.size();
        mReason = SegmentReason::Copied;
        SegmentDispatch::convert(*this, segment);
        if (mReport) {
            const std::string_view result = std::string_view(mOutput).substr(start);
            mReport->record(++position, segment, result, static_cast<unsigned char>(mReason), mTested);
            mTested = {};
        }
        if (mOutput.size() == start)
            mOutput.resize(mark); // a dropped segment leaves no separator behind
    });
    if (hasEmptySegment) {
        mOutput.clear();
        if (mReport)
            mReport->clear();
        return ConversionOutcome::Unconvertible;
    }
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
