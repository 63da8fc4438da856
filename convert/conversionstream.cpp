#include "conversionstream.h"

#include "conversionpass_p.h"
#include "utf8stream_p.h"

// The bytes are read as a file's text, converted segment by segment and
// saved as a code is saved, each stage handing the next what it has.
ConversionStream::ConversionStream(Sink sink, ConversionReport *report)
    : mSaved(std::make_unique<Utf8Stream>(Utf8Stream::Direction::Save, std::move(sink)))
    , mPass(std::make_unique<ConversionPass>(std::string(), report))
    , mRead(std::make_unique<Utf8Stream>(Utf8Stream::Direction::Read,
                                         [this](std::string_view text) { mPass->feed(text); }))
{
    mPass->giveTo([this](std::string_view converted) { mSaved->put(converted); });
}

ConversionStream::~ConversionStream() = default;

void ConversionStream::feed(std::string_view bytes)
{
    mRead->put(bytes);
}

ConversionOutcome ConversionStream::finish()
{
    mRead->finish();
    const ConversionOutcome outcome = mPass->finish();
    if (outcome == ConversionOutcome::Converted)
        mSaved->finish();
    return outcome;
}

// A whole file is a stream of one block.
ConversionResult Conversion::convertFile(std::string bytes, ConversionReport *report)
{
    ConversionResult result;
    result.code.reserve(bytes.size());
    ConversionStream stream([&result](std::string_view converted) { result.code += converted; }, report);
    stream.feed(bytes);
    bytes = std::string(); // a large code need not be held twice while the last of it is saved
    result.outcome = stream.finish();
    if (result.outcome != ConversionOutcome::Converted)
        result.code = std::string();
    return result;
}
