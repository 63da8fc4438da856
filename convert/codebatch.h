#ifndef CODEBATCH_H
#define CODEBATCH_H

#include "convert/stepmessage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Several codes converted at once, as the converter's --output-dir, the
// window's "Convert Several Codes..." and the page's batch all convert
// them: in which order, under which name each conversion is written, and
// what became of each code, decided here once, so that the same files give
// the same names, bytes and fates on every face. The faces read and write:
// each code is read, converted here, written and let go before the next,
// so a batch holds no more than its largest code.
class CodeBatch
{
public:
    // A code to convert: how its face reaches it (a path, an index) and
    // the name its conversion takes, below the folder or in the zip it
    // goes to: its file name, or its path below a folder the user gave
    // ("codes/old/hero.txt"), with "/" between folders.
    struct Input
    {
        std::string source;
        std::string name;
    };

    enum class Fate : unsigned char {
        Waiting,
        Converted,
        Refused,    // not a QVR code
        Unreadable,
        TooLarge,
        NotWritten, // converted, but the face could not write it
        Kept,       // a file of its name was there, and the user kept it
        NotDone,    // the batch was stopped before it
    };

    struct Item
    {
        std::string source;
        std::string target;  // where its conversion goes, below the batch's folder
        bool renamed = false; // an earlier code took its name, so it took another
        Fate fate = Fate::Waiting;
        StepMessage said;    // the fate in words: the report's summary, or why not
    };

    // The order is the names' (byte by byte), the same whatever order a
    // face lists them in. Names are cleaned of what could lead out of the
    // batch's folder (a leading "/", "." and ".." folders, "\\" between
    // folders); a name an earlier code already has, also in another case
    // (a Windows folder keeps one of "Hero.txt" and "hero.txt"), becomes
    // "hero (2).txt".
    explicit CodeBatch(std::vector<Input> inputs);

    // A file this small is read whole before its head is judged (one read
    // instead of two); a larger one is judged by its head first, so that a
    // video chosen by mistake is never read whole.
    static constexpr std::size_t readWholeBelow = 64 * 1024;

    // Whether a file a folder holds, named below the folder
    // ("codes/old/hero.txt"), is a code to convert with the others: a file
    // named *.txt, in any case, neither hidden itself (".hero.txt") nor in
    // a hidden folder.
    static bool takesFromFolder(std::string_view name);

    const std::vector<Item> &items() const { return mItems; }
    std::size_t size() const { return mItems.size(); }

    // The bytes of item index, read as a code file is read: the bytes its
    // conversion is saved as, or nothing for a code refused.
    std::optional<std::string> convert(std::size_t index, std::string bytes);
    // What kept a code from being converted, as the faces find it.
    void refuseCode(std::size_t index);
    void refuseUnreadable(std::size_t index, std::string_view reason);
    void refuseTooLarge(std::size_t index, std::uint64_t size, std::uint64_t largest);
    void notWritten(std::size_t index, std::string_view reason);
    void keep(std::size_t index);
    // Every code still waiting stays unconverted.
    void stop();

    // How many have a fate, and how many of those were converted.
    std::size_t done() const { return mDone; }
    std::size_t converted() const { return mConverted; }
    // "Converted 38 of 40 codes.", or that it was stopped.
    StepMessage summary() const;

private:
    void settle(std::size_t index, Fate fate, StepMessage said);

    std::vector<Item> mItems;
    std::size_t mDone = 0;
    std::size_t mConverted = 0;
    bool mStopped = false;
};

#endif // CODEBATCH_H
