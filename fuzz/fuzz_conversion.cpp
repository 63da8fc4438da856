// libFuzzer target for the conversion core. Every input is converted as it
// is and once more behind a good header, so the rules see every mutation
// and not only the version test; the report is checked against the
// conversion, and reading the input as a file's text must not fail either.
#include "convert/conversion.h"
#include "convert/conversionstream.h"
#include "convert/reportjson.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkConversion(std::string_view code)
{
    const ConversionResult result = Conversion::convert(code);
    require(Conversion::judge(code) == result.outcome); // a load's verdict is the conversion's
    if (result.outcome != ConversionOutcome::Converted) {
        require(result.code.empty());
        return;
    }
    const std::string_view out = result.code;
    require(out.substr(0, 5) == "105**");
    require(out.find("__") == std::string_view::npos);
    require(out.size() == 5 || (out[5] != '_' && out.back() != '_'));
    require(Conversion::convert(code).code == result.code);

    // Asking for the report changes nothing in the output, and every
    // segment has exactly one fate.
    // Every segment not copied is listed, up to the bound, where it stands
    // in both codes; marking changes nothing else.
    ConversionReport report(true);
    std::string reported;
    require(Conversion::convert(code, reported, &report) == ConversionOutcome::Converted);
    require(reported == result.code);
    const std::size_t segments = std::size_t(std::count(code.begin() + 5, code.end(), '_')) + 1;
    require(report.segmentCount() == segments);
    const std::vector<ConversionReport::Entry> entries = report.entries();
    const std::size_t notCopied = segments - report.count(ConversionReport::Copied);
    require(entries.size() == std::min(notCopied, ConversionReport::entriesListed));
    require(entries.size() + report.unlisted() == notCopied);
    for (const ConversionReport::Entry &entry : entries) {
        require(entry.input.start + entry.input.length <= code.size());
        require((entry.fate == ConversionReport::Dropped) == !entry.output);
        require(!entry.output || entry.output->start + entry.output->length <= reported.size());
    }
    require(report.marks().size() <= notCopied);
    // Whatever bytes the segments hold, the JSON report reads back.
    require(ReportJson::Json::parse(ReportJson::text(ReportJson::of(report)))["entries"].size() == entries.size());
}

void checkSplitJoin(std::string_view text, char separator)
{
    const std::vector<std::string> pieces = StringTools::split(text, separator);
    require(pieces.size() == std::size_t(std::count(text.begin(), text.end(), separator)) + 1);
    require(StringTools::join(pieces, std::string(1, separator)) == text);
}

// A file read in blocks, cut where its first byte says (inside a
// character, a header or a segment as it falls), converts as it does whole.
void checkStream(std::string_view bytes)
{
    const ConversionResult whole = Conversion::convertFile(std::string(bytes));
    const std::size_t block = bytes.empty() ? 1 : std::size_t(static_cast<unsigned char>(bytes[0]) % 13) + 1;
    std::string streamed;
    ConversionStream stream([&streamed](std::string_view converted) { streamed += converted; });
    for (std::size_t at = 0; at < bytes.size(); at += block)
        stream.feed(bytes.substr(at, block));
    require(stream.finish() == whole.outcome);
    require(whole.outcome != ConversionOutcome::Converted || streamed == whole.code);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    checkConversion(input);
    checkConversion("107**" + std::string(input));
    checkSplitJoin(input, '_');
    // What the reader gives is valid UTF-8, so saving it changes nothing.
    // (Saving drops a leading byte-order mark, as a Qt string does; a
    // converted code never has one, a decoded text may, hence the "x".)
    const std::string text = "x" + CodeText::decode(std::string(input));
    require(CodeText::encode(text) == text);
    checkSplitJoin(input, '.');
    checkStream(input);
    checkStream("107**" + std::string(input));
    return 0;
}
