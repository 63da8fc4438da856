#include "codesession.h"

#include <algorithm>

namespace {

const std::string nothing;

} // namespace

CodeSession::Ticket CodeSession::startLoad()
{
    return ++mLatestTicket;
}

unsigned CodeSession::load(Ticket ticket, std::string bytes, std::string_view name)
{
    if (!isCurrent(ticket))
        return 0;
    auto loaded = std::make_shared<Converted>();
    loaded->code = CodeText::decode(std::move(bytes));
    if (Conversion::judge(loaded->code) != ConversionOutcome::Converted)
        return refuse(Upper::RefusedCode);
    loaded->name = name;

    unsigned changes = UpperPane | PathLabel | Controls;
    // The lower pane keeps a conversion of the very same code, which is then
    // this code's as much as the earlier one's; any other it must not show
    // beside the new code.
    if (mShown && mShown->code == loaded->code) {
        loaded->saved = std::move(mShown->saved);
        loaded->report = std::move(mShown->report);
        mShown = loaded;
    }
    else if (mShown) {
        mShown.reset();
        changes |= LowerPane;
    }
    mHeld = std::move(loaded);
    mUpper = Upper::Code;
    mPath = mHeld->name;
    return changes;
}

unsigned CodeSession::refuseUnreadable(Ticket ticket)
{
    return isCurrent(ticket) ? refuse(Upper::UnreadableFile) : 0;
}

unsigned CodeSession::refuseCode(Ticket ticket)
{
    return isCurrent(ticket) ? refuse(Upper::RefusedCode) : 0;
}

// A refused code leaves the lower pane, Save and Copy with the conversion
// they had, which still says whose it is; there is nothing left to convert.
unsigned CodeSession::refuse(Upper upper)
{
    mHeld.reset();
    mUpper = upper;
    return UpperPane | Controls;
}

// As the window has always done: a cancelled dialog takes back the message
// an unreadable file left as placeholder, and nothing else.
unsigned CodeSession::cancel()
{
    if (mUpper != Upper::UnreadableFile)
        return 0;
    mUpper = Upper::Nothing;
    return UpperPane;
}

// One pass makes the conversion and its report, when the conversion is
// first shown: a load only reads and judges the code, so neither step keeps
// a page busy for the time of both, and the report always describes the
// conversion it is shown with.
unsigned CodeSession::convert()
{
    if (!canConvert())
        return 0;
    if (!mHeld->saved) {
        std::string converted;
        Conversion::convert(mHeld->code, converted, &mHeld->report);
        mHeld->saved = CodeText::encode(std::move(converted));
    }
    mShown = mHeld;
    return LowerPane | Controls;
}

unsigned CodeSession::clear()
{
    startLoad();
    mUpper = Upper::Nothing;
    mPath.clear();
    mHeld.reset();
    mShown.reset();
    return Everything;
}

std::string_view CodeSession::upperText() const
{
    switch (mUpper) {
    case Upper::Code:
        return mHeld->code;
    case Upper::RefusedCode:
        return Conversion::invalidCodeMessage;
    default:
        return {};
    }
}

std::string_view CodeSession::placeholder() const
{
    return mUpper == Upper::UnreadableFile ? std::string_view(Conversion::invalidCodeMessage) : emptyPlaceholder;
}

const std::string &CodeSession::heldCode() const
{
    return mHeld ? mHeld->code : nothing;
}

const std::string &CodeSession::shownConversion() const
{
    return mShown ? *mShown->saved : nothing;
}

// "hero.txt" gives "hero-morvane.txt"; a pasted code "morvane-code.txt".
std::string CodeSession::saveName() const
{
    if (!mShown)
        return {};
    if (mShown->name == clipboardName)
        return "morvane-code.txt";
    std::string_view name = mShown->name;
    name = name.substr(name.find_last_of("/\\") + 1);
    name = name.substr(0, std::min(name.size(), name.rfind('.')));
    return std::string(name.empty() ? "code" : name) + "-morvane.txt";
}

std::string CodeSession::summary() const
{
    return mShown ? mShown->report.summary() : std::string();
}

std::string CodeSession::details() const
{
    if (!mShown)
        return {};
    const std::string details = mShown->report.details();
    return details.empty() ? "No segment was changed or dropped.\n" : details;
}
