#ifndef CODESESSION_H
#define CODESESSION_H

#include "convert/conversion.h"
#include "convert/stepmessage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a user holds, in the window and on the web page alike: the code shown
// in the upper pane, the conversion shown in the lower one with the name of
// the code it came from, and its report; which controls may act; the
// user's steps that change them, and what each step tells the user. The
// window and the page only show it.
//
// One rule decides Convert: it is on exactly while clicking it would show
// the conversion of the code shown above. Save, Copy and the details are on
// exactly while the lower pane shows a conversion, and they always give that
// one, named after its own code, whatever the upper pane shows since.
class CodeSession
{
public:
    static constexpr std::string_view clipboardName = QVR_TR("CodeSession", "(clipboard)");
    // What a text shared into the page (from a chat, say) is named by.
    static constexpr std::string_view sharedName = QVR_TR("CodeSession", "(shared)");
    // The name a face shows of the code taken: a file's path as it is,
    // the clipboard's and a share's names to translate.
    Said sourceSaid() const;
    // What the panes show when they hold nothing.
    static constexpr char emptyPlaceholder[] = QVR_TR("QVRtoMorvane", "QVR Code will be displayed here...");
    static constexpr char lowerPlaceholder[] = QVR_TR("QVRtoMorvane", "New Morvane Code will be displayed here...");

    // What the upper pane shows.
    enum class Upper {
        Nothing,
        Code,           // a code that converts
        RefusedCode,    // the invalid-code message, as its text
        UnreadableFile, // nothing, with the invalid-code message as placeholder
    };

    // What a step changed, so that a view lays out again only what did.
    // Every step that lands says something, if only nothing (Message).
    enum Change : unsigned {
        UpperPane = 1,
        PathLabel = 2,
        LowerPane = 4,
        Controls = 8,
        Message = 16,
        Everything = UpperPane | PathLabel | LowerPane | Controls | Message,
    };

    // Loads may finish in another order than they started (a large file
    // read in the background): only the latest one started lands, and
    // Clear makes every load started before it land nothing.
    using Ticket = std::uint32_t;
    Ticket startLoad();

    // A file's bytes, or the clipboard's text as UTF-8 bytes (named
    // clipboardName): both are read as a code file's text, carriage
    // returns dropped alike, then judged; the conversion is made when it is
    // first shown.
    unsigned load(Ticket ticket, std::string bytes, std::string_view name);
    // A text shared into the page, named sharedName: the one QVR code it
    // holds among other words, if it holds exactly one
    // (CodeText::onlyCodeIn), and says so; else the text as it is, read as
    // a paste is.
    unsigned loadShared(Ticket ticket, std::string text);
    // A file that could not be read at all, and why; one too large to take,
    // with both sizes.
    unsigned refuseUnreadable(Ticket ticket, std::string_view name, std::string_view reason);
    unsigned refuseTooLarge(Ticket ticket, std::string_view name, std::uint64_t size, std::uint64_t largest);
    // A file whose first bytes cannot begin a code (CodeText::mayBeginCode),
    // refused before it is read whole.
    unsigned refuseCode(Ticket ticket, std::string_view name);
    // A load whose dialog was cancelled.
    unsigned cancel();
    unsigned convert();
    unsigned clear();
    // What a step the face carries out itself tells the user: a save, a
    // copy, a drop or a paste it refuses.
    unsigned tell(StepMessage message);

    Upper upper() const { return mUpper; }
    // The code, the invalid-code message, or nothing.
    std::string_view upperText() const;
    std::string_view placeholder() const;
    // The name of the last code taken: the path of its file, or
    // clipboardName for a paste.
    const std::string &source() const { return mSource; }
    // What the latest step said.
    const StepMessage &message() const { return mMessage; }
    // The code shown above, when it is one (UTF-8).
    const std::string &heldCode() const;
    // The saved form of the conversion shown below: the bytes Save writes
    // and Copy copies, or nothing.
    const std::string &shownConversion() const;
    // A file name for saving it, after the code it came from.
    std::string saveName() const;
    // What became of its segments, made in the same pass as the conversion
    // shown; nothing when no conversion is shown.
    Said summary() const;
    // A stretch of a code as a pane shows it: plain, or one marked segment
    // (mark: its index in Marked::marks).
    struct Piece
    {
        std::string_view text;
        std::optional<std::size_t> mark;
        bool operator==(const Piece &) const = default;
    };
    // The conversion shown, segment by segment, for the Conversion Details
    // a face shows: both codes as far as a pane shows them, cut where each
    // segment not copied begins and ends, every such segment that stands
    // there with its fate, place and reason, and the list of the first of
    // them all. Made by a pass of their own the first time they are asked
    // for, and kept with the conversion.
    struct Marked
    {
        std::vector<Piece> code;       // the start a pane shows
        std::vector<Piece> conversion; // the same of the conversion
        std::array<std::size_t, 4> counts;
        std::vector<ConversionReport::Entry> marks;
        std::vector<ConversionReport::Entry> entries;
        std::size_t unlisted;
    };
    Marked marked() const;
    // What Conversion Details say, in both faces: how each fate is marked,
    // of a list with nothing in it or with more than it lists, and of a
    // segment chosen in it that a code does not show.
    static Said markStyle(ConversionReport::Fate fate);
    static Said allCopied();
    static Said moreUnlisted(std::size_t count);
    enum class Unshown { BeyondCode, Dropped, BeyondConversion };
    static Said unshown(Unshown why, std::size_t position);

    bool canConvert() const { return mHeld && mHeld != mShown; }
    bool canSave() const { return mShown != nullptr; }
    bool canCopy() const { return canSave(); }
    bool canShowDetails() const { return canSave(); }

private:
    // A code taken, and once shown, its conversion in the form Save writes
    // and its report, made together by one pass.
    struct Taken
    {
        std::string code;
        std::string name;
        std::optional<std::string> saved;
        ConversionReport report;
        std::optional<ConversionReport> marked; // made when first asked for
    };

    bool isCurrent(Ticket ticket) const { return ticket == mLatestTicket; }
    // What a load from a file, a paste or a share says, by the name it has.
    struct LoadWords
    {
        StepMessage::Kind loaded;
        StepMessage::Kind refusedVersion;
        StepMessage::Kind refusedShape;
        bool named; // the words name the file
    };
    static LoadWords loadWordsOf(std::string_view name);
    unsigned refuse(Upper upper, StepMessage message);

    Ticket mLatestTicket = 0;
    Upper mUpper = Upper::Nothing;
    std::string mSource;
    std::shared_ptr<Taken> mHeld;
    std::shared_ptr<Taken> mShown;
    StepMessage mMessage;
};

#endif // CODESESSION_H
