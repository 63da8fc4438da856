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

    // As judge() says, but an empty segment is found on the way, in the
    // same pass, so that a code of megabytes is read once.
    if (code.substr(0, code.find('_')).size() < Conversion::headerLength)
        return ConversionOutcome::Unconvertible;
    if (!Conversion::isAcceptedVersion(Conversion::versionPrefix(code)))
        return ConversionOutcome::VersionRejected;
    if (code.size() == Conversion::headerLength)
        return ConversionOutcome::Unconvertible;

    // Only a bc segment with empty values 2 and 4 grows, so the input's
    // size nearly always holds the whole result.
    mOutput.reserve(code.size());
    mOutput += Conversion::outputHeader;

    std::size_t position = 0;
    bool emptySegment = false;
    StringTools::forEachPiece(code.substr(Conversion::headerLength), '_', [&](std::string_view segment) {
        if (segment.empty() || emptySegment) {
            emptySegment = true;
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
            mReport->record(++position, segment, std::size_t(segment.data() - code.data()), result, start,
                            static_cast<unsigned char>(mReason), mTested);
            mTested = {};
        }
        if (mOutput.size() == start)
            mOutput.resize(mark); // a dropped segment leaves no separator behind
    });
    if (emptySegment) {
        mOutput.clear();
        if (mReport)
            mReport->clear();
        return ConversionOutcome::Unconvertible;
    }
    return ConversionOutcome::Converted;
}

// The header is tested before the version, so a code too short to hold one
// is unconvertible whatever its first bytes say. An empty segment has no tag
// to convert by: the whole code is refused rather than converted into
// something that loses a piece.
ConversionOutcome Conversion::judge(std::string_view code)
{
    const std::string_view firstSegment = code.substr(0, code.find('_'));
    if (firstSegment.size() < headerLength)
        return ConversionOutcome::Unconvertible;
    if (!isAcceptedVersion(versionPrefix(code)))
        return ConversionOutcome::VersionRejected;
    const std::string_view segments = code.substr(headerLength);
    if (segments.empty() || segments.front() == '_' || segments.back() == '_'
        || segments.find("__") != std::string_view::npos)
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

ConversionResult Conversion::convertFile(std::string bytes, ConversionReport *report)
{
    std::string code = CodeText::decode(std::move(bytes));
    ConversionResult result;
    result.outcome = convert(code, result.code, report);
    code = std::string(); // a large code need not be held twice while it is encoded
    if (result.outcome == ConversionOutcome::Converted)
        result.code = CodeText::encode(std::move(result.code));
    return result;
}
