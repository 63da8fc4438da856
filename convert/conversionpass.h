#ifndef CONVERSIONPASS_H
#define CONVERSIONPASS_H

#include <string>
#include <string_view>

struct PassCounters;
class ValueList;

enum class ConversionOutcome {
    Converted,
    VersionRejected, // version prefix other than 106 or 107
    Unconvertible,   // no complete header, or an empty segment
};

struct ConversionResult
{
    ConversionOutcome outcome = ConversionOutcome::Unconvertible;
    std::string code; // the converted code; empty unless Converted
};

// One conversion of a QVR code into a Morvane code, on UTF-8 bytes.
class ConversionPass
{
public:
    static constexpr std::string_view outputHeader = "105**";
    static constexpr std::size_t headerLength = 5;

    // The first three bytes (fewer for a shorter text); cut by bytes, so it
    // may end inside a character.
    static std::string_view versionPrefix(std::string_view code);
    static bool isAcceptedVersion(std::string_view version);

    static ConversionResult convert(std::string_view code);
    // The same into a buffer the caller keeps, so a batch reuses one
    // allocation; out holds the converted code only when Converted.
    static ConversionOutcome convert(std::string_view code, std::string &out);

    // Appends the result of one non-empty segment to out through the rule its
    // tag chooses.
    static void convertSegment(std::string_view segment, PassCounters &counters, ValueList &values,
                               std::string &out);
};

#endif // CONVERSIONPASS_H
