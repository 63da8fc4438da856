#ifndef CODEFILE_P_H
#define CODEFILE_P_H

#include "codefile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Between the file layer's rules (codefile.cpp) and each system's way of
// doing what they ask (codefile_linux.cpp, codefile_windows.cpp): the rules
// decide what is read, where a save goes, when a file is replaced and when
// it is rewritten, and what is said; a system opens, renames and keeps.
namespace CodeFile {

// The C library's words for an error, the same on every system.
std::string reasonFor(int error);
inline constexpr char deviceOrPipe[] = "it is a device or a pipe, not a file";
inline constexpr char changedMeanwhile[] = "the file changed while the code was being saved; it was left as it was";

// A standard stream the program was started without (see
// reserveStandardStreams): using it fails with this layer's reason.
void markStandardStreamClosed(int stream);
bool standardStreamClosed(int stream);

// One read of at most size bytes: how many came, 0 at the end, or -1 with
// the reason set.
using ReadStep = std::function<std::int64_t(char *into, std::size_t size, std::string &reason)>;

// Reads until the end, or until more than largestCode bytes have come; the
// first CodeText::headBytes are judged by mayBeginCode before anything else
// is read. A regular file (its size known) is read into one buffer of its
// size. A stream of unknown length is read in blocks that double up to
// 64 MiB and are joined once at its end, so what it holds never exceeds
// what was read by more than a block.
// With a taker, the bytes go to it block by block instead (read()).
Read readWhole(const ReadStep &readSome, std::optional<std::uint64_t> regularSize, HeadCheck mayBeginCode,
               const Blocks &take);

// An open file of one system, closed when it goes.
class OpenFile
{
public:
    virtual ~OpenFile() = default;
    // As ReadStep; a write the same the other way. Interruptions, and a
    // stream someone left non-blocking, are waited out.
    virtual std::int64_t readSome(char *into, std::size_t size, std::string &reason) = 0;
    virtual std::int64_t writeSome(const char *bytes, std::size_t size, std::string &reason) = 0;
    // Everything written on the disk.
    virtual std::optional<std::string> sync() = 0;
    virtual std::optional<std::string> rewind() = 0;
    virtual std::optional<std::string> truncate() = 0; // to nothing, at the start
    // Closes now, saying whether everything written reached the file.
    virtual std::optional<std::string> close() = 0;
};

// What a system says of what a new file in a target's place keeps.
enum class Keeping {
    Kept,
    Lost, // the file must be rewritten in place instead
};

// The file a save writes, found once (each system follows links its own
// way): in its folder, with what it is now, if it is at all.
class SaveTarget
{
public:
    virtual ~SaveTarget() = default;

    virtual bool exists() const = 0;
    // Its name in its folder.
    virtual const std::string &name() const = 0;
    // The longest name its folder takes, and how a name is counted there.
    virtual std::size_t longestName() const = 0;
    virtual std::size_t lengthOf(std::string_view name) const = 0;

    // A new file named name beside it, that only this program writes;
    // alreadyThere when the name is taken.
    virtual std::unique_ptr<OpenFile> createBeside(const std::string &name, std::string &reason, bool &alreadyThere) = 0;
    virtual void removeBeside(const std::string &name) = 0;
    // How the user is told where a file beside it is.
    virtual std::string shownPath(const std::string &name) const = 0;
    // Only the saver may read it, whatever the folder gives new files.
    virtual std::optional<std::string> makePrivate(OpenFile &file, const std::string &name) = 0;

    // Whether a new file in its place could keep what it has (its other
    // names, owner, permissions, ...), known before anything is written.
    virtual Keeping canBeReplaced() = 0;
    // Before and after the bytes of the new file named name are written:
    // giving it what the old file has (for a new target, what any new file
    // gets). Lost when it cannot have it.
    virtual Keeping prepareReplacement(OpenFile &file, const std::string &name) = 0;
    virtual Keeping finishReplacement(OpenFile &file, const std::string &name, std::string &failure) = 0;
    // The new file, closed, takes its place in one step; a new target
    // never takes the place of a file that appeared meanwhile. Kept when a
    // failure left the new file as the only copy of the code.
    virtual std::optional<std::string> takePlace(const std::string &name, bool &kept) = 0;
    // Once it has: what must follow (what it keeps checked, the folder on
    // the disk).
    virtual std::optional<std::string> afterPlace() = 0;

    // The file itself, to be rewritten, or read aside.
    virtual std::unique_ptr<OpenFile> openItself(bool forWriting, std::string &reason) = 0;
};

// How a system keeps a stopped program (Ctrl+C, a terminal gone) from
// leaving a temporary file behind: the one being written is watched while
// a save lasts, and while the program holds stops off they wait.
class StopGuard
{
public:
    StopGuard();
    ~StopGuard();
    StopGuard(const StopGuard &) = delete;
    StopGuard &operator=(const StopGuard &) = delete;

    // Named before it is created, so that no moment is left uncovered.
    void watch(const SaveTarget &target, const std::string &name);
    void forget();
    // Runs step with stops held off until it is done.
    std::optional<std::string> heldOff(const std::function<std::optional<std::string>()> &step);
};

// Where a path leads for a save: a file (or a new one) to replace, a stream
// to write through, or nothing, with the reason.
struct Destination
{
    std::unique_ptr<SaveTarget> file;
    std::unique_ptr<OpenFile> stream;
    std::string refused;
};
Destination destinationOf(const std::string &path, Targets targets);

// Standard output, or input, as the program got it (never closed here).
std::unique_ptr<OpenFile> standardStream(int stream);

// A path as the C++ library takes it, and back.
std::filesystem::path fileSystemPath(const std::string &path);
std::string pathString(const std::filesystem::path &path);

} // namespace CodeFile

#endif // CODEFILE_P_H
