#ifndef CODESESSION_H
#define CODESESSION_H

#include "convert/conversion.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// What a user holds, in the window and on the web page alike: the code shown
// in the upper pane, the conversion shown in the lower one with the name of
// the code it came from, and its report; which controls may act; and the
// user's steps that change them. The window and the page only show it.
//
// One rule decides Convert: it is on exactly while clicking it would show
// the conversion of the code shown above. Save, Copy and the details are on
// exactly while the lower pane shows a conversion, and they always give that
// one, named after its own code, whatever the upper pane shows since.
class CodeSession
{
public:
    static constexpr std::string_view clipboardName = "(clipboard)";
    static constexpr std::string_view emptyPlaceholder = "QVR Code will be displayed here...";

    // What the upper pane shows.
    enum class Upper {
        Nothing,
        Code,           // a code that converts
        RefusedCode,    // the invalid-code message, as its text
        UnreadableFile, // nothing, with the invalid-code message as placeholder
    };

    // What a step changed, so that a view lays out again only what did.
    enum Change : unsigned {
        UpperPane = 1,
        PathLabel = 2,
        LowerPane = 4,
        Controls = 8,
        Everything = UpperPane | PathLabel | LowerPane | Controls,
    };

    // Loads may finish in another order than they started (a large file
    // read in the background): only the latest one started lands, and
    // Clear makes every load started before it land nothing.
    using Ticket = std::uint32_t;
    Ticket startLoad();

    // A file's bytes, or the clipboard's text as UTF-8 bytes (named
    // clipboardName): both are read as a code file's text, carriage
    // returns dropped alike, then converted and judged.
    unsigned load(Ticket ticket, std::string bytes, std::string_view name);
    // A file that could not be read at all, or whose first bytes cannot
    // begin a code (CodeText::mayBeginCode), refused before it is read whole.
    unsigned refuseUnreadable(Ticket ticket);
    unsigned refuseCode(Ticket ticket);
    // A load whose dialog was cancelled.
    unsigned cancel();
    unsigned convert();
    unsigned clear();

    Upper upper() const { return mUpper; }
    // The code, the invalid-code message, or nothing.
    std::string_view upperText() const;
    std::string_view placeholder() const;
    // The name of the last code taken.
    const std::string &path() const { return mPath; }
    // The code shown above, when it is one (UTF-8).
    const std::string &heldCode() const;
    // The saved form of the conversion shown below: the bytes Save writes
    // and Copy copies, or nothing.
    const std::string &shownConversion() const;
    // A file name for saving it, after the code it came from.
    std::string saveName() const;
    // What became of its segments, made in the same pass as the conversion
    // shown: the summary line, and its changed and dropped segments one to a line;
    // nothing when no conversion is shown.
    std::string summary() const;
    std::string details() const;

    bool canConvert() const { return mHeld && mHeld != mShown; }
    bool canSave() const { return mShown != nullptr; }
    bool canCopy() const { return canSave(); }
    bool canShowDetails() const { return canSave(); }

private:
    // A code taken, and once shown, its conversion in the form Save writes
    // and its report, made together by one pass.
    struct Converted
    {
        std::string code;
        std::string name;
        std::optional<std::string> saved;
        ConversionReport report;
    };

    bool isCurrent(Ticket ticket) const { return ticket == mLatestTicket; }
    unsigned refuse(Upper upper);

    Ticket mLatestTicket = 0;
    Upper mUpper = Upper::Nothing;
    std::string mPath;
    std::shared_ptr<Converted> mHeld;
    std::shared_ptr<Converted> mShown;
};

#endif // CODESESSION_H
