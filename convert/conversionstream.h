#ifndef CONVERSIONSTREAM_H
#define CONVERSIONSTREAM_H

#include "convert/conversion.h"

#include <functional>
#include <memory>
#include <string_view>

class ConversionPass;
class Utf8Stream;

// A code file converted as its bytes are read, block by block (each cut
// anywhere, inside a character too), into the bytes its conversion is
// saved as, given on to the sink as they are made: what
// Conversion::convertFile() gives whole, holding no more than a block and
// the segment a block's end cuts. What the sink was given counts only once
// finish() says Converted; a refused code gives it nothing more.
class ConversionStream
{
public:
    using Sink = std::function<void(std::string_view bytes)>;

    explicit ConversionStream(Sink sink, ConversionReport *report = nullptr);
    ~ConversionStream();
    ConversionStream(const ConversionStream &) = delete;
    ConversionStream &operator=(const ConversionStream &) = delete;

    void feed(std::string_view bytes);
    ConversionOutcome finish();

private:
    std::unique_ptr<Utf8Stream> mSaved;
    std::unique_ptr<ConversionPass> mPass;
    std::unique_ptr<Utf8Stream> mRead;
};

#endif // CONVERSIONSTREAM_H
