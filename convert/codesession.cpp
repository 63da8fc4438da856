#include "codesession.h"

#include <algorithm>

namespace {

const std::string nothing;

// A code cut where its marks begin and end, each mark where the code or the
// conversion holds it; a mark that overlaps one before it, or lies beyond
// what the pane shows, stays out.
std::vector<CodeSession::Piece> piecesOf(std::string_view text, const std::vector<ConversionReport::Entry> &marks,
                                         bool conversion)
{
    std::vector<CodeSession::Piece> pieces;
    std::size_t written = 0;
    const auto piece = [&](std::size_t end, std::optional<std::size_t> mark) {
        if (end > written)
            pieces.push_back({text.substr(written, end - written), mark});
        written = end;
    };
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const auto range = conversion ? marks[i].output : std::optional(marks[i].input);
        if (!range || range->start < written || range->start >= text.size())
            continue;
        piece(range->start, std::nullopt);
        piece(std::min(text.size(), range->start + range->length), i);
    }
    piece(text.size(), std::nullopt);
    return pieces;
}

} // namespace

CodeSession::Ticket CodeSession::startLoad()
{
    return ++mLatestTicket;
}

CodeSession::LoadWords CodeSession::loadWordsOf(std::string_view name)
{
    if (name == clipboardName)
        return {StepMessage::LoadedPaste, StepMessage::RefusedPasteVersion, StepMessage::RefusedPasteShape, false};
    if (name == sharedName)
        return {StepMessage::LoadedShare, StepMessage::RefusedShareVersion, StepMessage::RefusedShareShape, false};
    return {StepMessage::Loaded, StepMessage::RefusedVersion, StepMessage::RefusedShape, true};
}

unsigned CodeSession::load(Ticket ticket, std::string bytes, std::string_view name)
{
    if (!isCurrent(ticket))
        return 0;
    auto loaded = std::make_shared<Taken>();
    loaded->code = CodeText::decode(std::move(bytes));
    const LoadWords words = loadWordsOf(name);
    const auto said = [&](StepMessage::Kind kind) {
        return words.named ? StepMessage(kind, {StepMessage::fileName(name)}) : StepMessage(kind);
    };
    switch (Conversion::judge(loaded->code)) {
    case ConversionOutcome::Converted:
        break;
    case ConversionOutcome::VersionRejected:
        return refuse(Upper::RefusedCode, said(words.refusedVersion));
    case ConversionOutcome::Unconvertible:
        return refuse(Upper::RefusedCode, said(words.refusedShape));
    }
    loaded->name = name;

    unsigned changes = UpperPane | PathLabel | Controls | Message;
    // The lower pane keeps a conversion of the very same code, which is then
    // this code's as much as the earlier one's; any other it must not show
    // beside the new code.
    if (mShown && mShown->code == loaded->code) {
        loaded->saved = std::move(mShown->saved);
        loaded->report = std::move(mShown->report);
        loaded->marked = std::move(mShown->marked);
        mShown = loaded;
    }
    else if (mShown) {
        mShown.reset();
        changes |= LowerPane;
    }
    mHeld = std::move(loaded);
    mUpper = Upper::Code;
    mSource = mHeld->name;
    mMessage = said(words.loaded);
    return changes;
}

unsigned CodeSession::loadShared(Ticket ticket, std::string text)
{
    std::string message = CodeText::decode(std::move(text));
    const std::optional<std::string_view> code = CodeText::onlyCodeIn(message);
    if (!code)
        return load(ticket, std::move(message), sharedName);
    // A chat's line end around the code alone is no other word.
    const bool alone = message.find_first_not_of(" \t\n") == std::size_t(code->data() - message.data())
        && message.find_last_not_of(" \t\n") + 1 == std::size_t(code->data() - message.data()) + code->size();
    const unsigned changes = load(ticket, std::string(*code), sharedName);
    if (!alone && mUpper == Upper::Code && (changes & Message))
        mMessage = StepMessage(StepMessage::LoadedFromShare);
    return changes;
}

unsigned CodeSession::refuseUnreadable(Ticket ticket, std::string_view name, std::string_view reason)
{
    return isCurrent(ticket) ? refuse(Upper::UnreadableFile, StepMessage(StepMessage::Unreadable,
                                                                         {StepMessage::fileName(name), std::string(reason)}))
                             : 0;
}

unsigned CodeSession::refuseTooLarge(Ticket ticket, std::string_view name, std::uint64_t size, std::uint64_t largest)
{
    if (!isCurrent(ticket))
        return 0;
    return refuse(Upper::UnreadableFile,
                  StepMessage(StepMessage::TooLarge, {StepMessage::fileName(name), StepMessage::sizeText(size),
                                                      StepMessage::sizeText(largest)}));
}

unsigned CodeSession::refuseCode(Ticket ticket, std::string_view name)
{
    if (!isCurrent(ticket))
        return 0;
    const LoadWords words = loadWordsOf(name);
    return refuse(Upper::RefusedCode, words.named ? StepMessage(words.refusedVersion, {StepMessage::fileName(name)})
                                                  : StepMessage(words.refusedVersion));
}

// A refused code leaves the lower pane, Save and Copy with the conversion
// they had, which still says whose it is; there is nothing left to convert.
unsigned CodeSession::refuse(Upper upper, StepMessage message)
{
    mHeld.reset();
    mUpper = upper;
    mMessage = std::move(message);
    return UpperPane | Controls | Message;
}

// As the window has always done: a cancelled dialog takes back the message
// an unreadable file left as placeholder, and nothing else.
unsigned CodeSession::cancel()
{
    mMessage = StepMessage();
    if (mUpper != Upper::UnreadableFile)
        return Message;
    mUpper = Upper::Nothing;
    return UpperPane | Message;
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
    mMessage = StepMessage(StepMessage::Converted, {mShown->report.summary()});
    return LowerPane | Controls | Message;
}

unsigned CodeSession::clear()
{
    startLoad();
    mUpper = Upper::Nothing;
    mSource.clear();
    mHeld.reset();
    mShown.reset();
    mMessage = StepMessage();
    return Everything;
}

unsigned CodeSession::tell(StepMessage message)
{
    mMessage = std::move(message);
    return Message;
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

// "hero.txt" gives "hero-morvane.txt"; a pasted or shared code
// "morvane-code.txt".
std::string CodeSession::saveName() const
{
    if (!mShown)
        return {};
    if (!loadWordsOf(mShown->name).named)
        return "morvane-code.txt";
    std::string_view name = mShown->name;
    name = name.substr(name.find_last_of("/\\") + 1);
    name = name.substr(0, std::min(name.size(), name.rfind('.')));
    return std::string(name.empty() ? "code" : name) + "-morvane.txt";
}

Said CodeSession::summary() const
{
    return mShown ? mShown->report.summary() : Said();
}

CodeSession::Marked CodeSession::marked() const
{
    if (!mShown)
        return {};
    if (!mShown->marked) {
        ConversionReport report(true);
        std::string converted;
        Conversion::convert(mShown->code, converted, &report);
        mShown->marked = std::move(report);
    }
    const ConversionReport &report = *mShown->marked;
    Marked marked{{}, {}, {report.count(ConversionReport::Copied), report.count(ConversionReport::Changed),
                   report.count(ConversionReport::Renumbered), report.count(ConversionReport::Dropped)},
                  report.marks(), report.entries(), report.unlisted()};
    marked.code = piecesOf(CodeText::preview(mShown->code), marked.marks, false);
    marked.conversion = piecesOf(CodeText::preview(*mShown->saved), marked.marks, true);
    return marked;
}

Said CodeSession::sourceSaid() const
{
    if (mSource == clipboardName || mSource == sharedName)
        return Said("CodeSession", mSource == clipboardName ? clipboardName.data() : sharedName.data());
    return Said(mSource);
}

Said CodeSession::markStyle(ConversionReport::Fate fate)
{
    static constexpr const char *styles[] = {QVR_TR("CodeSession", "plain"), QVR_TR("CodeSession", "underlined"),
                                             QVR_TR("CodeSession", "dashed underline"),
                                             QVR_TR("CodeSession", "struck through")};
    return Said("CodeSession", styles[fate]);
}

Said CodeSession::allCopied()
{
    return Said("CodeSession", QVR_TR("CodeSession", "Every segment was copied as it was."));
}

Said CodeSession::moreUnlisted(std::size_t count)
{
    return Said("CodeSession", QVR_TR_N("CodeSession", "... and %n more"), "... and %n more", std::int64_t(count));
}

Said CodeSession::unshown(Unshown why, std::size_t position)
{
    static constexpr const char *words[] = {
        QVR_TR("CodeSession", "#%1 stands beyond the part of the code shown here."),
        QVR_TR("CodeSession", "#%1 was dropped: nothing of it is in the Morvane code."),
        QVR_TR("CodeSession", "#%1 stands beyond the part of the Morvane code shown here."),
    };
    return Said("CodeSession", words[std::size_t(why)], {std::to_string(position)});
}
