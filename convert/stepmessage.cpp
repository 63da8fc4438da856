#include "stepmessage.h"

#include <array>

namespace {

struct Words
{
    StepMessage::Kind kind;
    const char *name; // the kind's own name, for the page's script
    const char *words;
    bool failed;
    const char *one = nullptr; // the English singular of words with a count
};

// Every message a step may give, in every face.
constexpr std::array<Words, StepMessage::KindCount> table{{
    {StepMessage::None, "None", "", false},
    {StepMessage::Loaded, "Loaded", QVR_TR("StepMessage", "Loaded %1."), false},
    {StepMessage::LoadedPaste, "LoadedPaste", QVR_TR("StepMessage", "Loaded the pasted code."), false},
    {StepMessage::RefusedVersion, "RefusedVersion",
     QVR_TR("StepMessage", "%1 is not a QVR code: it does not begin with 106 or 107."), true},
    {StepMessage::RefusedShape, "RefusedShape",
     QVR_TR("StepMessage", "%1 is not a QVR code: its header is incomplete or one of its segments is empty."), true},
    {StepMessage::RefusedPasteVersion, "RefusedPasteVersion",
     QVR_TR("StepMessage", "The pasted text is not a QVR code: it does not begin with 106 or 107."), true},
    {StepMessage::RefusedPasteShape, "RefusedPasteShape",
     QVR_TR("StepMessage", "The pasted text is not a QVR code: its header is incomplete or one of its segments is "
                           "empty."),
     true},
    {StepMessage::Unreadable, "Unreadable", QVR_TR("StepMessage", "%1 could not be read: %2."), true},
    {StepMessage::TooLarge, "TooLarge",
     QVR_TR("StepMessage", "%1 holds %2; codes of up to %3 can be converted here."), true},
    {StepMessage::Converted, "Converted", QVR_TR("StepMessage", "Converted: %1."), false},
    {StepMessage::Saved, "Saved", QVR_TR("StepMessage", "Saved %1."), false},
    {StepMessage::NotSaved, "NotSaved", QVR_TR("StepMessage", "%1 could not be saved: %2."), true},
    {StepMessage::Copied, "Copied", QVR_TR("StepMessage", "Morvane code copied."), false},
    {StepMessage::NotCopied, "NotCopied",
     QVR_TR("StepMessage", "The code could not be copied (%1): select it in the lower box and copy it."), true},
    {StepMessage::NothingToPaste, "NothingToPaste",
     QVR_TR("StepMessage", "The clipboard holds no text to paste."), true},
    {StepMessage::ClipboardUnreadable, "ClipboardUnreadable",
     QVR_TR("StepMessage", "This browser does not let the page read the clipboard: press Ctrl+V, or on a phone "
                           "long-press the box above the convert button and choose Paste."),
     true},
    {StepMessage::NotAFile, "NotAFile",
     QVR_TR("StepMessage", "Only a file can be dropped here; to load a code as text, paste it."), true},
    {StepMessage::LoadedShare, "LoadedShare", QVR_TR("StepMessage", "Loaded the shared code."), false},
    {StepMessage::LoadedFromShare, "LoadedFromShare",
     QVR_TR("StepMessage", "Loaded the QVR code found in the shared text."), false},
    {StepMessage::RefusedShareVersion, "RefusedShareVersion",
     QVR_TR("StepMessage", "The shared text is not a QVR code: it does not begin with 106 or 107."), true},
    {StepMessage::RefusedShareShape, "RefusedShareShape",
     QVR_TR("StepMessage", "The shared text is not a QVR code: its header is incomplete or one of its segments is "
                           "empty."),
     true},
    {StepMessage::Shared, "Shared", QVR_TR("StepMessage", "Morvane code shared."), false},
    {StepMessage::NotShared, "NotShared",
     QVR_TR("StepMessage", "The code could not be shared (%1): copy it instead."), true},
    {StepMessage::BatchConverted, "BatchConverted", QVR_TR("StepMessage", "converted: %1"), false},
    {StepMessage::BatchConvertedRenamed, "BatchConvertedRenamed",
     QVR_TR("StepMessage", "converted into %2, since another code has the same name: %1"), false},
    {StepMessage::BatchRefusedVersion, "BatchRefusedVersion",
     QVR_TR("StepMessage", "not a QVR code: it does not begin with 106 or 107"), true},
    {StepMessage::BatchRefusedShape, "BatchRefusedShape",
     QVR_TR("StepMessage", "not a QVR code: its header is incomplete or one of its segments is empty"), true},
    {StepMessage::BatchUnreadable, "BatchUnreadable", QVR_TR("StepMessage", "could not be read: %1"), true},
    {StepMessage::BatchTooLarge, "BatchTooLarge",
     QVR_TR("StepMessage", "holds %1; codes of up to %2 can be converted here"), true},
    {StepMessage::BatchNotWritten, "BatchNotWritten", QVR_TR("StepMessage", "could not be written: %1"), true},
    {StepMessage::BatchKept, "BatchKept",
     QVR_TR("StepMessage", "not converted: a file of its name was there already, and stays as it was"),
     false},
    {StepMessage::BatchNotDone, "BatchNotDone",
     QVR_TR("StepMessage", "not converted: the batch was stopped before it"), false},
    {StepMessage::BatchDone, "BatchDone", QVR_TR_N("StepMessage", "Converted %1 of %n codes."), false,
     "Converted %1 of %n code."},
    {StepMessage::BatchStopped, "BatchStopped",
     QVR_TR_N("StepMessage", "Stopped: converted %1 of %n codes; every file written before is whole."), false,
     "Stopped: converted %1 of %n code; every file written before is whole."},
    {StepMessage::BatchEmpty, "BatchEmpty", QVR_TR("StepMessage", "There are no .txt files to convert here."), true},
}};

constexpr bool inOrder()
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].kind != i)
            return false;
    return true;
}
static_assert(inOrder(), "the table has one row per kind, in the order of the kinds");

} // namespace

StepMessage::StepMessage(Kind kind, std::vector<Said> values, std::optional<std::int64_t> count)
    : mKind(kind), mValues(std::move(values)), mCount(count)
{
}

Said StepMessage::said() const
{
    const Words &row = table[mKind < KindCount ? mKind : None];
    if (row.one && mCount)
        return Said(context, row.words, row.one, *mCount, mValues);
    return Said(context, row.words, mValues);
}

bool StepMessage::failed() const
{
    return table[mKind].failed;
}

std::string_view StepMessage::wordsOf(Kind kind)
{
    return kind < KindCount ? table[kind].words : "";
}

std::string_view StepMessage::nameOf(Kind kind)
{
    return kind < KindCount ? table[kind].name : "";
}

std::string StepMessage::sizeText(std::uint64_t bytes)
{
    const std::uint64_t tenths = (bytes * 10 + (std::uint64_t(1) << 19)) >> 20; // rounded
    std::string whole = std::to_string(tenths / 10);
    for (std::size_t comma = whole.size(); comma > 3; comma -= 3)
        whole.insert(comma - 3, ",");
    return whole + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") + " MB";
}

std::string StepMessage::fileName(std::string_view path)
{
    return std::string(path.substr(path.find_last_of("/\\") + 1));
}
