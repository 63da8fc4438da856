#ifndef STEPMESSAGE_H
#define STEPMESSAGE_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a step tells the user, in the user's words, from the one table of
// them (stepmessage.cpp): the window shows it in its status bar, passing
// the words through translate, and the page in its live status, each for
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
    StepMessage(Kind kind, std::vector<std::string> values = {});

    Kind kind() const { return mKind; }
    // The words, with "%1", "%2", ... where the values go.
    std::string_view words() const { return wordsOf(mKind); }
    const std::vector<std::string> &values() const { return mValues; }
    // The words with the values in their places.
    std::string text() const { return fill(words(), mValues); }
    // A failure looks like one, and stays until the next step; anything
    // else goes after shownMilliseconds.
    bool failed() const;
    static constexpr int shownMilliseconds = 10000;

    static std::string_view wordsOf(Kind kind);
    // "Loaded": how the page's script names a kind.
    static std::string_view nameOf(Kind kind);
    // Puts each value where its "%n" stands, in one pass, so that a value
    // holding "%2" stays as it is.
    static std::string fill(std::string_view words, const std::vector<std::string> &values);
    // "12.5 MB", as both sizes of a file too large are said.
    static std::string sizeText(std::uint64_t bytes);
    // A file as a message names it: its name without its folder.
    static std::string fileName(std::string_view path);

private:
    Kind mKind = None;
    std::vector<std::string> mValues;
};

#endif // STEPMESSAGE_H
