#ifndef STEPMESSAGE_H
#define STEPMESSAGE_H

#include "convert/said.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a step tells the user, in the user's words, from the one table of
// them (stepmessage.cpp): the window shows it in its status bar and the
// page in its live status, each translated for the user (said()), and for
// as long as the message says. A later step always replaces it.
class StepMessage
{
public:
    enum Kind : unsigned char {
        None, // a step with nothing to say (Clear, a cancelled dialog)
        Loaded,
        LoadedPaste,
        RefusedVersion,
        RefusedShape,
        RefusedPasteVersion,
        RefusedPasteShape,
        Unreadable,
        TooLarge,
        Converted,
        Saved,
        NotSaved,
        Copied,
        NotCopied,
        NothingToPaste,
        ClipboardUnreadable,
        NotAFile,
        LoadedShare,
        LoadedFromShare,
        RefusedShareVersion,
        RefusedShareShape,
        Shared,
        NotShared,
        // What a batch of codes said (CodeBatch): of each code, then of all.
        BatchConverted,
        BatchConvertedRenamed,
        BatchRefusedVersion,
        BatchRefusedShape,
        BatchUnreadable,
        BatchTooLarge,
        BatchNotWritten,
        BatchKept,
        BatchNotDone,
        BatchDone,
        BatchStopped,
        BatchEmpty,
        KindCount,
    };

    StepMessage() = default;
    // count: for the kinds whose words count something ("%n").
    StepMessage(Kind kind, std::vector<Said> values = {}, std::optional<std::int64_t> count = std::nullopt);

    Kind kind() const { return mKind; }
    // The words, with "%1", "%2", ... where the values go.
    std::string_view words() const { return wordsOf(mKind); }
    // The words and their values, for a face to translate.
    Said said() const;
    // In English, the values in their places.
    std::string text() const { return said().text(); }
    // A failure looks like one, and stays until the next step; anything
    // else goes after shownMilliseconds.
    bool failed() const;
    static constexpr int shownMilliseconds = 10000;

    static std::string_view wordsOf(Kind kind);
    // "Loaded": how the page's script names a kind.
    static std::string_view nameOf(Kind kind);
    // "12.5 MB", as both sizes of a file too large are said.
    static std::string sizeText(std::uint64_t bytes);
    // A file as a message names it: its name without its folder.
    static std::string fileName(std::string_view path);

    static constexpr const char *context = "StepMessage";

private:
    Kind mKind = None;
    std::vector<Said> mValues;
    std::optional<std::int64_t> mCount;
};

#endif // STEPMESSAGE_H
