#include "conversionpass.h"

#include "aabcrules.h"
#include "passcounters.h"
#include "segmentdispatch.h"
#include "stringtools.h"
#include "valuelist.h"

std::string_view ConversionPass::versionPrefix(std::string_view code)
{
    return code.substr(0, 3);
}

bool ConversionPass::isAcceptedVersion(std::string_view version)
{
    return version == "106" || version == "107";
}

void ConversionPass::convertSegment(std::string_view segment, PassCounters &counters, ValueList &values,
                                    std::string &out)
{
    const std::string_view tag = segment.substr(0, 2);
    if (tag == "aa")
        AaBcRules::aa(segment, out);
    else if (tag == "bc")
        AaBcRules::bc(segment, values, out);
    else
        SegmentDispatch::convert(segment, counters, values, out);
}

ConversionResult ConversionPass::convert(std::string_view code)
{
    ConversionResult result;
    result.outcome = convert(code, result.code);
    return result;
}

ConversionOutcome ConversionPass::convert(std::string_view code, std::string &out)
{
    out.clear();
    // The header is tested before the version, so a code too short to hold
    // one is unconvertible whatever its first bytes say.
    const std::string_view firstSegment = code.substr(0, code.find('_'));
    if (firstSegment.size() < headerLength)
        return ConversionOutcome::Unconvertible;
    if (!isAcceptedVersion(versionPrefix(code)))
        return ConversionOutcome::VersionRejected;

    // Only a bc segment with empty values 2 and 4 grows, so the input's
    // size nearly always holds the whole result.
    out.reserve(code.size());
    out += outputHeader;

    PassCounters counters;
    ValueList values;
    bool hasEmptySegment = false;
    StringTools::forEachPiece(code.substr(headerLength), '_', [&](std::string_view segment) {
        // An empty segment has no tag to convert by; the whole code is
        // refused rather than converted into something that loses a piece.
        if (segment.empty() || hasEmptySegment) {
            hasEmptySegment = true;
            return;
        }
        const std::size_t mark = out.size();
        if (mark > outputHeader.size())
            out += '_';
        const std::size_t start = out.size();
        convertSegment(segment, counters, values, out);
        if (out.size() == start)
            out.resize(mark); // a dropped segment leaves no separator behind
    });
    if (hasEmptySegment) {
        out.clear();
        return ConversionOutcome::Unconvertible;
    }
    return ConversionOutcome::Converted;
}
