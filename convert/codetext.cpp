// Reading a code file's bytes as Qt's text stream reads them, and saving a
// code as a Qt string saves it, without Qt: the window, the command-line
// converter and the web page all read and write through these two, so a
// code looks the same in all three.
#include "conversion.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr char replacementCharacter[] = "\xef\xbf\xbd"; // U+FFFD
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
    if (bytes.size() > 2 && bytes.substr(0, 3) == utf8ByteOrderMark)
        return Encoding::Utf8;
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

bool isValidUtf8(std::string_view text)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        // Codes are nearly all ASCII: skip eight such bytes at a time.
        std::uint64_t word;
        if (size - i >= 8 && (std::memcpy(&word, p + i, 8), (word & 0x8080808080808080u) == 0)) {
            i += 8;
            continue;
        }
        const int length = sequenceLength(p + i, size - i);
        if (length < 0)
            return false;
        i += std::size_t(length);
    }
    return true;
}

void removeCarriageReturns(std::string &text)
{
    if (text.find('\r') != std::string::npos)
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
}

enum class Tail { Drop, Replace };

// Every sequence that is not valid UTF-8 becomes U+FFFD; a leading UTF-8
// byte-order mark goes. What happens to an incomplete sequence at the very
// end is the caller's choice: a text stream never sees its end, so it
// drops it; a string replaces it like any other malformed byte.
std::string repairUtf8(std::string_view bytes, Tail tail)
{
    std::string text;
    text.reserve(bytes.size());
    if (bytes.substr(0, 3) == utf8ByteOrderMark)
        bytes.remove_prefix(3);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    for (std::size_t i = 0; i < bytes.size();) {
        const int length = sequenceLength(p + i, bytes.size() - i);
        if (length == incomplete && tail == Tail::Drop)
            break;
        if (length < 0) {
            text += replacementCharacter;
            ++i;
            continue;
        }
        text.append(bytes.data() + i, std::size_t(length));
        i += std::size_t(length);
    }
    return text;
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

} // namespace

std::string CodeText::decode(std::string bytes)
{
    const Encoding encoding = detectEncoding(bytes);
    if (encoding != Encoding::Utf8) {
        std::vector<char16_t> units = unitsFromWideBytes(bytes, encoding);
        bytes = std::string();
        units.erase(std::remove(units.begin(), units.end(), u'\r'), units.end());
        return utf8FromUtf16(units);
    }
    // The common case, a plain UTF-8 file, is read in place.
    if (bytes.compare(0, 3, utf8ByteOrderMark) != 0 && isValidUtf8(bytes)) {
        removeCarriageReturns(bytes);
        return bytes;
    }
    std::string text = repairUtf8(bytes, Tail::Drop);
    removeCarriageReturns(text);
    return text;
}

std::string CodeText::encode(std::string text)
{
    if (text.compare(0, 3, utf8ByteOrderMark) != 0 && isValidUtf8(text))
        return text;
    return repairUtf8(text, Tail::Replace);
}

bool CodeText::mayBeginCode(std::string_view head)
{
    const std::string text = decode(std::string(head));
    // Nothing but carriage returns so far, or a file too short to hold a
    // code: the conversion will say.
    if (text.size() < 3)
        return true;
    return Conversion::isAcceptedVersion(Conversion::versionPrefix(text));
}

std::string_view CodeText::preview(std::string_view code)
{
    return StringTools::leadingBytes(code, previewBytes);
}

Said CodeText::previewNote(std::size_t codeSize)
{
    if (codeSize <= previewBytes)
        return {};
    std::string size = std::to_string(codeSize);
    for (std::size_t at = size.size(); at > 3; at -= 3)
        size.insert(at - 3, ",");
    return Said("CodeText", QVR_TR("CodeText", "Showing the first %1 KB of %2 bytes; Save and Copy give the whole code."),
                {std::to_string(previewBytes / 1024), size});
}

namespace {

// The blanks a chat puts between words: ASCII's, and the no-break and
// ideographic spaces, in UTF-8.
std::size_t blankAt(std::string_view text, std::size_t at)
{
    static constexpr std::string_view wide[] = {"\xc2\xa0", "\xe3\x80\x80"};
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v')
        return 1;
    for (const std::string_view blank : wide)
        if (text.substr(at, blank.size()) == blank)
            return blank.size();
    return 0;
}

// What may close a sentence or a quotation right after a code.
std::string_view withoutClosers(std::string_view word)
{
    static constexpr std::string_view closers[] = {"\"", "'", "`", ")", "]", "}", ">", ",", ";", ":", "!", "?",
                                                   "\xc2\xbb", "\xe2\x80\x9d", "\xe2\x80\x99"};
    for (bool cut = true; cut;) {
        cut = false;
        for (const std::string_view closer : closers) {
            if (word.size() > closer.size() && word.substr(word.size() - closer.size()) == closer) {
                word.remove_suffix(closer.size());
                cut = true;
            }
        }
    }
    return word;
}

bool beginsWord(std::string_view text, std::size_t at)
{
    if (at == 0)
        return true;
    const auto before = static_cast<unsigned char>(text[at - 1]);
    const bool partOfWord = (before >= '0' && before <= '9') || (before >= 'A' && before <= 'Z')
        || (before >= 'a' && before <= 'z') || before == '_' || before == '.' || before == '*';
    return !partOfWord;
}

} // namespace

std::optional<std::string_view> CodeText::onlyCodeIn(std::string_view message)
{
    std::optional<std::string_view> found;
    for (std::size_t at = 0; at + 3 <= message.size(); ++at) {
        if (!beginsWord(message, at) || !Conversion::isAcceptedVersion(message.substr(at, 3)))
            continue;
        std::size_t end = at;
        while (end < message.size() && blankAt(message, end) == 0)
            ++end;
        const std::string_view code = withoutClosers(message.substr(at, end - at));
        if (Conversion::judge(code) == ConversionOutcome::Converted) {
            if (found)
                return std::nullopt;
            found = code;
        }
        at = end;
    }
    return found;
}
