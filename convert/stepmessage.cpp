#include "stepmessage.h"

#include <array>

namespace {

struct Words
{
    StepMessage::Kind kind;
    const char *name; // the kind's own name, for the page's script
    const char *words;
    bool failed;
};

// Every message a step may give, in every face.
constexpr std::array<Words, StepMessage::KindCount> table{{
    {StepMessage::None, "None", "", false},
    {StepMessage::Loaded, "Loaded", "Loaded %1.", false},
    {StepMessage::LoadedPaste, "LoadedPaste", "Loaded the pasted code.", false},
    {StepMessage::RefusedVersion, "RefusedVersion", "%1 is not a QVR code: it does not begin with 106 or 107.", true},
    {StepMessage::RefusedShape, "RefusedShape",
     "%1 is not a QVR code: its header is incomplete or one of its segments is empty.", true},
    {StepMessage::RefusedPasteVersion, "RefusedPasteVersion",
     "The pasted text is not a QVR code: it does not begin with 106 or 107.", true},
    {StepMessage::RefusedPasteShape, "RefusedPasteShape",
     "The pasted text is not a QVR code: its header is incomplete or one of its segments is empty.", true},
    {StepMessage::Unreadable, "Unreadable", "%1 could not be read: %2.", true},
    {StepMessage::TooLarge, "TooLarge", "%1 holds %2; codes of up to %3 can be converted here.", true},
    {StepMessage::Converted, "Converted", "Converted: %1.", false},
    {StepMessage::Saved, "Saved", "Saved %1.", false},
    {StepMessage::NotSaved, "NotSaved", "%1 could not be saved: %2.", true},
    {StepMessage::Copied, "Copied", "Morvane code copied.", false},
    {StepMessage::NotCopied, "NotCopied", "The code could not be copied (%1): select it in the lower box and copy it.",
     true},
    {StepMessage::NothingToPaste, "NothingToPaste", "The clipboard holds no text to paste.", true},
    {StepMessage::ClipboardUnreadable, "ClipboardUnreadable",
     "This browser does not let the page read the clipboard: press Ctrl+V, or on a phone long-press the box above "
     "the convert button and choose Paste.", true},
    {StepMessage::NotAFile, "NotAFile", "Only a file can be dropped here; to load a code as text, paste it.", true},
    {StepMessage::LoadedShare, "LoadedShare", "Loaded the shared code.", false},
    {StepMessage::LoadedFromShare, "LoadedFromShare", "Loaded the QVR code found in the shared text.", false},
    {StepMessage::RefusedShareVersion, "RefusedShareVersion",
     "The shared text is not a QVR code: it does not begin with 106 or 107.", true},
    {StepMessage::RefusedShareShape, "RefusedShareShape",
     "The shared text is not a QVR code: its header is incomplete or one of its segments is empty.", true},
    {StepMessage::Shared, "Shared", "Morvane code shared.", false},
    {StepMessage::NotShared, "NotShared", "The code could not be shared (%1): copy it instead.", true},
    {StepMessage::BatchConverted, "BatchConverted", "converted: %1", false},
    {StepMessage::BatchConvertedRenamed, "BatchConvertedRenamed",
     "converted into %2, since another code has the same name: %1", false},
    {StepMessage::BatchRefusedVersion, "BatchRefusedVersion", "not a QVR code: it does not begin with 106 or 107", true},
    {StepMessage::BatchRefusedShape, "BatchRefusedShape",
     "not a QVR code: its header is incomplete or one of its segments is empty", true},
    {StepMessage::BatchUnreadable, "BatchUnreadable", "could not be read: %1", true},
    {StepMessage::BatchTooLarge, "BatchTooLarge", "holds %1; codes of up to %2 can be converted here", true},
    {StepMessage::BatchNotWritten, "BatchNotWritten", "could not be written: %1", true},
    {StepMessage::BatchKept, "BatchKept", "not converted: a file of its name was there already, and stays as it was",
     false},
    {StepMessage::BatchNotDone, "BatchNotDone", "not converted: the batch was stopped before it", false},
    {StepMessage::BatchDone, "BatchDone", "Converted %1 of %2 codes.", false},
    {StepMessage::BatchStopped, "BatchStopped",
     "Stopped: converted %1 of %2 codes; every file written before is whole.", false},
    {StepMessage::BatchEmpty, "BatchEmpty", "There are no .txt files to convert here.", true},
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

StepMessage::StepMessage(Kind kind, std::vector<std::string> values)
    : mKind(kind), mValues(std::move(values))
{
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

std::string StepMessage::fill(std::string_view words, const std::vector<std::string> &values)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const char next = i + 1 < words.size() ? words[i + 1] : '\0';
        if (words[i] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < values.size()) {
            text += values[std::size_t(next - '1')];
            ++i;
        } else {
            text += words[i];
        }
    }
    return text;
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
