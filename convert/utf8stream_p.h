#ifndef UTF8STREAM_P_H
#define UTF8STREAM_P_H

#include <functional>
#include <string>
#include <string_view>

// A code's text on its way in or out, as it comes, block by block: read as
// a file's text (CodeText::decode: a byte-order mark picks UTF-8, UTF-16 or
// UTF-32, malformed bytes become U+FFFD, an incomplete sequence at the very
// end goes, carriage returns go) or saved (CodeText::encode: malformed
// bytes, and an incomplete sequence at the end, become U+FFFD). The text
// goes on to the sink in pieces, as views into the bytes given wherever
// they need no repair, so that clean text is never copied here. A block may
// end anywhere, inside a character too: the result is the same as for the
// bytes given whole.
class Utf8Stream
{
public:
    enum class Direction { Read, Save };
    using Sink = std::function<void(std::string_view text)>;

    // A stream without a sink only judges the bytes (needsRepair).
    Utf8Stream(Direction direction, Sink sink);

    void put(std::string_view bytes);
    void finish();
    // Whether the text of bytes given whole differs from them other than by
    // carriage returns: a mark gone, a sequence replaced, another encoding.
    // Found without making the text.
    static bool needsRepair(std::string_view bytes, Direction direction);

private:
    void finishHead();
    void putUtf8(std::string_view bytes);
    std::size_t scan(std::string_view bytes, std::size_t stopAfter, bool last);

    Direction mDirection;
    Sink mSink;
    // The first bytes, until they say the encoding; a sequence cut by the
    // end of a block, until the next one completes it; a UTF-16 or UTF-32
    // file, whole.
    std::string mHead;
    bool mHeadDone = false;
    std::string mCut;
    std::string mWide;
    bool mWideEncoding = false;
    bool mRepaired = false;
};

#endif // UTF8STREAM_P_H
