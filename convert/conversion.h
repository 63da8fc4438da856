#ifndef CONVERSION_H
#define CONVERSION_H

// The conversion core: QVR codes in, Morvane codes out, as UTF-8 bytes, with
// no Qt and no I/O. This header is all that the window, the command-line
// converter, the web page, the fuzzer and the benchmark use; the rules
// themselves sit behind it in the private (_p.h) headers of this folder.

#include "convert/said.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

class ConversionReport;

namespace Conversion {

inline constexpr std::string_view outputHeader = "105**";
// What every face says of a code it refuses.
inline constexpr char invalidCodeMessage[] = QVR_TR("QVRtoMorvane", "The file you provided is not a valid QVR file!!");
inline constexpr std::size_t headerLength = 5;

// The first three bytes (fewer for a shorter text); cut by bytes, so it may
// end inside a character.
std::string_view versionPrefix(std::string_view code);
bool isAcceptedVersion(std::string_view version);

// What convert() would answer, without converting: the header, the version
// and no empty segment. A load judges a code this way; its conversion is
// made when it is shown.
ConversionOutcome judge(std::string_view code);

ConversionResult convert(std::string_view code);
// A code file's bytes all the way to the bytes its conversion is saved as:
// read as a file's text (CodeText::decode), converted, and encoded
// (CodeText::encode); the code as read is let go before the conversion is
// encoded. What the converter writes for a file, and a batch for each.
ConversionResult convertFile(std::string bytes, ConversionReport *report = nullptr);
// The same into a buffer the caller keeps, so a batch reuses one
// allocation; out holds the converted code only when Converted. With a
// report, it learns what became of every segment; without one the pass
// does no extra work.
ConversionOutcome convert(std::string_view code, std::string &out, ConversionReport *report = nullptr);

} // namespace Conversion

// What a pass did with each segment of a code it converted. Every segment
// counts as exactly one of the four fates; one kept byte for byte counts as
// copied, whichever rule looked at it. Each segment that is not copied has
// its place in the code (a byte range), its reason and, when kept, its place
// in the conversion; the report lists the first entriesListed of them and
// counts the rest. One that marks also keeps every such segment that stands
// in the part of the code, or of the conversion, a pane shows
// (CodeText::previewBytes), for a face to mark them there; only a face that
// shows them asks for that.
class ConversionReport
{
public:
    enum Fate { Copied, Changed, Renumbered, Dropped };
    static constexpr std::size_t segmentShownBytes = 40;
    // A report lists this many segments at most and counts the rest, so
    // that its memory does not grow with the code.
    static constexpr std::size_t entriesListed = 1000;

    explicit ConversionReport(bool marking = false) : mMarking(marking) {}
    // "copied", "changed", "renumbered", "dropped", as scripts read them;
    // and as people do, to translate.
    static std::string_view fateName(Fate fate);
    static Said fateSaid(Fate fate);
    bool marking() const { return mMarking; }

    // Bytes of the code as read (UTF-8, carriage returns dropped), or of the
    // conversion.
    struct Range
    {
        std::size_t start = 0;
        std::size_t length = 0;
        bool operator==(const Range &) const = default;
    };

    struct Entry
    {
        std::size_t position;  // 1 for the first segment
        std::string segment;   // as in the input, cut to segmentShownBytes
        Fate fate;
        std::string_view key;  // what happened, as a stable word for scripts
        Said reason;           // the same for people
        Range input;
        std::optional<Range> output; // nothing for a dropped segment
    };

    std::size_t segmentCount() const;
    std::size_t count(Fate fate) const { return mCounts[fate]; }
    // The segments not copied, in the order of the code, up to
    // entriesListed of them; and how many more there are.
    std::vector<Entry> entries() const;
    std::size_t unlisted() const { return mUnlisted; }
    // Those that stand in the part a pane shows, when marking.
    std::vector<Entry> marks() const;

    // "412 segments: 300 copied, 61 changed, 40 renumbered, 11 dropped"
    Said summary() const;
    // One line per entry: position, segment, fate and reason; then how many
    // more there are, if any.
    std::string details() const;
    // The counts and the entries as JSON: reportjson.h.

    void clear();

private:
    friend class ConversionPass;
    // A segment, where it stood in the code, and what came of it where it
    // stands in the conversion (empty when dropped).
    void record(std::size_t position, std::string_view segment, std::size_t inputStart, std::string_view result,
                std::size_t outputStart, unsigned char reason, std::string_view tested);

    // A pass only notes what it saw, in one buffer; the entries and their
    // words are made when someone asks for them.
    struct Note
    {
        std::size_t position;
        std::size_t start;         // of the shown segment, then of the value tested, in mNoted
        std::uint16_t segmentLength;
        std::uint16_t valueLength;
        std::int32_t number;       // the value tested, where it read as one; a renumbered one's new slot
        unsigned char reason;
        bool listed;
        bool kept;
        Range input;
        Range output;
    };

    Entry entryOf(const Note &note) const;

    bool mMarking;
    std::array<std::size_t, 4> mCounts{};
    std::size_t mListed = 0;
    std::size_t mUnlisted = 0;
    std::vector<Note> mNotes;
    std::string mNoted;
};

namespace CodeText {

// The text of a code file as the window reads it, in UTF-8: a byte-order
// mark picks UTF-8, UTF-16 or UTF-32 (UTF-8 without one), malformed bytes
// become U+FFFD, an incomplete sequence at the very end is dropped, every
// carriage return is removed after decoding, and nothing is trimmed.
std::string decode(std::string bytes);

// The bytes a code is saved as: UTF-8 with every malformed sequence (a
// character cut by a rule, say) as U+FFFD, no byte-order mark, no line end
// added. Valid UTF-8 comes back as it is.
std::string encode(std::string text);

// Whether a file whose first headBytes bytes (all of a shorter file) are
// these may hold a code: read as a file's text, it must begin with an
// accepted version. Lets a video dropped by mistake be refused before it is
// read whole.
inline constexpr std::size_t headBytes = 4096;
bool mayBeginCode(std::string_view head);

// The one QVR code a message holds among other words, as a chat hands it
// over ("my character: 107**aa1.2.3_bc4.5.6.7.8 have fun"): a run of
// characters up to the next blank that begins with an accepted version
// where a word begins, loses the quotes, brackets and commas that close a
// sentence around it (a dot is a code's own), and converts. Nothing when
// the message holds no such code, or several.
std::optional<std::string_view> onlyCodeIn(std::string_view message);

// How much of a code a pane shows: all of it up to previewBytes, else its
// start, never cut inside a character; and what says so beside the pane
// (nothing for a code shown whole). Save and Copy always take all of it.
// A text area lays its text out whole, and the slowest engine the page
// runs in (WebKit, Safari's) takes 22 to 30 ms here for 16 KB, 88 to 109 ms
// for 64 KB: this much stays well within a frame or two on a phone too.
inline constexpr std::size_t previewBytes = 16 * 1024;
std::string_view preview(std::string_view code);
Said previewNote(std::size_t codeSize);

} // namespace CodeText

namespace StringTools {

// Calls visit(piece) for every piece between separators, in order: one piece
// more than there are separators, empty pieces included.
template<typename Visit>
void forEachPiece(std::string_view text, char separator, Visit &&visit)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t cut = text.find(separator, start);
        if (cut == std::string_view::npos) {
            visit(text.substr(start));
            return;
        }
        visit(text.substr(start, cut - start));
        start = cut + 1;
    }
}

// join(split(x, c), c) == x for every text x and character c.
std::vector<std::string> split(std::string_view text, char separator);
// Pieces with one separator between neighbours; an empty list gives "".
std::string join(const std::vector<std::string> &pieces, std::string_view separator);
// At most the first most bytes of a UTF-8 text, not cut inside a character.
// A character has at most three continuation bytes, so a longer run (not
// UTF-8) is cut where it lies rather than backed over whole.
std::string_view leadingBytes(std::string_view text, std::size_t most);

} // namespace StringTools

#endif // CONVERSION_H
