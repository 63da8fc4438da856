// How a code's text is read from a file's bytes and saved back, the way
// Qt's text stream reads a file and a Qt string saves itself, without Qt.
#include "utf8stream_p.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr std::string_view replacementCharacter = "\xef\xbf\xbd"; // U+FFFD
constexpr std::string_view utf8ByteOrderMark = "\xef\xbb\xbf";

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Utf32LittleEndian, Utf32BigEndian };

// Only a byte-order mark chooses anything but UTF-8; the longer marks are
// tested first, since UTF-32's little-endian one begins with UTF-16's.
Encoding detectEncoding(std::string_view bytes)
{
    using namespace std::string_view_literals;
    if (bytes.size() > 3) {
        if (bytes.substr(0, 4) == "\x00\x00\xfe\xff"sv)
            return Encoding::Utf32BigEndian;
        if (bytes.substr(0, 4) == "\xff\xfe\x00\x00"sv)
            return Encoding::Utf32LittleEndian;
    }
    if (bytes.size() > 1) {
        if (bytes.substr(0, 2) == "\xfe\xff"sv)
            return Encoding::Utf16BigEndian;
        if (bytes.substr(0, 2) == "\xff\xfe"sv)
            return Encoding::Utf16LittleEndian;
    }
    return Encoding::Utf8;
}

bool isContinuation(unsigned char b)
{
    return (b & 0xc0) == 0x80;
}

bool isSurrogate(char32_t c)
{
    return c - 0xd800u < 0x800u;
}

constexpr int invalid = -1;
constexpr int incomplete = -2;

// The length of the UTF-8 sequence at p, judged as Qt judges it: overlong
// forms, surrogates and code points past U+10FFFF are invalid; a sequence
// cut short by the end of the bytes is incomplete unless a byte it already
// has is wrong. Each invalid sequence costs one byte: what follows it is
// judged afresh.
int sequenceLength(const unsigned char *p, std::size_t available)
{
    const unsigned char lead = p[0];
    if (lead < 0x80)
        return 1;
    int length;
    char32_t smallest;
    char32_t code;
    if (lead <= 0xc1) {
        return invalid;
    } else if (lead < 0xe0) {
        length = 2, smallest = 0x80, code = lead & 0x1f;
    } else if (lead < 0xf0) {
        length = 3, smallest = 0x800, code = lead & 0x0f;
    } else if (lead < 0xf5) {
        length = 4, smallest = 0x10000, code = lead & 0x07;
    } else {
        return invalid;
    }
    if (available < std::size_t(length)) {
        if (available > 1 && !isContinuation(p[1]))
            return invalid;
        if (available > 2 && !isContinuation(p[2]))
            return invalid;
        return incomplete;
    }
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(p[i]))
            return invalid;
        code = (code << 6) | (p[i] & 0x3f);
    }
    if (code < smallest || isSurrogate(code) || code > 0x10ffff)
        return invalid;
    return length;
}

// Eight bytes of ASCII at once, with no carriage return among them when
// those go.
bool plainAscii(std::uint64_t word, bool carriageReturnsGo)
{
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t highBits = 0x8080808080808080u;
    if (word & highBits)
        return false;
    const std::uint64_t returns = word ^ (ones * '\r');
    return !carriageReturnsGo || ((returns - ones) & ~returns & highBits) == 0;
}

// UTF-16 as a Qt string holds it, written out as Qt writes it: a surrogate
// without its partner becomes "?".
std::string utf8FromUtf16(const std::vector<char16_t> &units)
{
    std::string text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u < 0x80) {
            text += char(u);
        } else if (u < 0x800) {
            text += char(0xc0 | (u >> 6));
            text += char(0x80 | (u & 0x3f));
        } else if (!isSurrogate(u)) {
            text += char(0xe0 | (u >> 12));
            text += char(0x80 | ((u >> 6) & 0x3f));
            text += char(0x80 | (u & 0x3f));
        } else if (u < 0xdc00 && i + 1 < units.size() && units[i + 1] - 0xdc00u < 0x400u) {
            const char32_t c = 0x10000 + ((char32_t(u) - 0xd800) << 10) + (units[++i] - 0xdc00);
            text += char(0xf0 | (c >> 18));
            text += char(0x80 | ((c >> 12) & 0x3f));
            text += char(0x80 | ((c >> 6) & 0x3f));
            text += char(0x80 | (c & 0x3f));
        } else {
            text += '?';
        }
    }
    return text;
}

// The code units a Qt string gets from UTF-16 or UTF-32 bytes whose first
// unit is the byte-order mark: the mark goes, an incomplete unit at the end
// is never completed and goes too, and UTF-32 values are cut into units by
// Qt's arithmetic even where they are no character.
std::vector<char16_t> unitsFromWideBytes(std::string_view bytes, Encoding encoding)
{
    const bool wide32 = encoding == Encoding::Utf32LittleEndian || encoding == Encoding::Utf32BigEndian;
    const bool bigEndian = encoding == Encoding::Utf16BigEndian || encoding == Encoding::Utf32BigEndian;
    const std::size_t width = wide32 ? 4 : 2;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());

    std::vector<char16_t> units;
    units.reserve(bytes.size() / width);
    for (std::size_t at = width; at + width <= bytes.size(); at += width) {
        char32_t value = 0;
        for (std::size_t k = 0; k < width; ++k)
            value |= char32_t(p[at + (bigEndian ? width - 1 - k : k)]) << (8 * k);
        if (value >= 0x10000) {
            units.push_back(char16_t((value >> 10) + 0xd7c0));
            units.push_back(char16_t(value % 0x400 + 0xdc00));
        } else {
            units.push_back(char16_t(value));
        }
    }
    return units;
}

// Enough bytes to tell every byte-order mark apart.
constexpr std::size_t headSize = 4;

} // namespace

Utf8Stream::Utf8Stream(Direction direction, Sink sink)
    : mDirection(direction)
    , mSink(std::move(sink))
{
}

void Utf8Stream::put(std::string_view bytes)
{
    if (!mHeadDone) {
        const std::size_t taken = std::min(bytes.size(), headSize - mHead.size());
        mHead.append(bytes.substr(0, taken));
        bytes.remove_prefix(taken);
        if (mHead.size() < headSize)
            return;
        finishHead();
    }
    if (!mWideEncoding)
        putUtf8(bytes);
    else if (mSink)
        mWide.append(bytes);
}

// A byte-order mark goes either way; only a read takes one for another
// encoding, whose text is made once it is all there.
void Utf8Stream::finishHead()
{
    mHeadDone = true;
    std::string head = std::move(mHead);
    if (mDirection == Direction::Read && detectEncoding(head) != Encoding::Utf8) {
        mWideEncoding = true;
        mRepaired = true;
        if (mSink)
            mWide = std::move(head);
        return;
    }
    std::string_view rest = head;
    if (rest.substr(0, utf8ByteOrderMark.size()) == utf8ByteOrderMark) {
        rest.remove_prefix(utf8ByteOrderMark.size());
        mRepaired = true;
    }
    putUtf8(rest);
}

// The sequence a block's end cut is completed by the next block's first
// bytes (three at most, which always complete it when there are that
// many); the rest of the block follows.
void Utf8Stream::putUtf8(std::string_view bytes)
{
    if (!mCut.empty()) {
        const std::size_t cut = mCut.size();
        std::string joined = std::move(mCut);
        joined.append(bytes.substr(0, 3));
        mCut.clear();
        const std::size_t done = scan(joined, cut, false);
        if (done < cut) { // still incomplete: the block was shorter than three bytes
            mCut = joined.substr(done);
            return;
        }
        bytes.remove_prefix(done - cut);
    }
    const std::size_t done = scan(bytes, bytes.size(), false);
    mCut.assign(bytes.substr(done));
}

// Gives on the text of bytes up to stopAfter (or a little past it, never
// inside a sequence) and says where it stopped: earlier only at a sequence
// the end of the bytes cuts, which the last bytes of all replace, or drop
// when read.
std::size_t Utf8Stream::scan(std::string_view bytes, std::size_t stopAfter, bool last)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const std::size_t size = bytes.size();
    const bool carriageReturnsGo = mDirection == Direction::Read;
    std::size_t run = 0;
    const auto giveRun = [&](std::size_t end) {
        if (end > run && mSink)
            mSink(bytes.substr(run, end - run));
    };
    std::size_t i = 0;
    while (i < size && i < stopAfter) {
        // Codes are nearly all ASCII: eight such bytes at a time.
        std::uint64_t word;
        if (size - i >= 8 && (std::memcpy(&word, p + i, 8), plainAscii(word, carriageReturnsGo))) {
            i += 8;
            continue;
        }
        if (p[i] < 0x80) {
            if (p[i] == '\r' && carriageReturnsGo) {
                giveRun(i);
                run = i + 1;
            }
            ++i;
            continue;
        }
        const int length = sequenceLength(p + i, size - i);
        if (length == incomplete && !last) {
            giveRun(i);
            return i;
        }
        if (length < 0) {
            giveRun(i);
            mRepaired = true;
            if (length == incomplete && mDirection == Direction::Read)
                return size;
            if (mSink)
                mSink(replacementCharacter);
            run = ++i;
            continue;
        }
        i += std::size_t(length);
    }
    giveRun(i);
    return i;
}

void Utf8Stream::finish()
{
    if (!mHeadDone)
        finishHead();
    if (mWideEncoding) {
        if (!mSink)
            return;
        std::vector<char16_t> units = unitsFromWideBytes(mWide, detectEncoding(mWide));
        mWide = std::string();
        units.erase(std::remove(units.begin(), units.end(), u'\r'), units.end());
        mSink(utf8FromUtf16(units));
        return;
    }
    if (!mCut.empty()) {
        const std::string cut = std::move(mCut);
        mCut.clear();
        scan(cut, cut.size(), true);
    }
}

bool Utf8Stream::needsRepair(std::string_view bytes, Direction direction)
{
    Utf8Stream probe(direction, nullptr);
    probe.put(bytes);
    probe.finish();
    return probe.mRepaired;
}
