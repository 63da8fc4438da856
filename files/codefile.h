#ifndef CODEFILE_H
#define CODEFILE_H

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How a code comes out of a file and goes back into one. The window and the
// command-line converter both read and save through here. Paths are the
// bytes the system knows them by, so that on Linux a name that is not UTF-8
// still works; on Windows, whose names are UTF-16, they are UTF-8.
namespace CodeFile {

// The most a code may hold. A real code is a few kilobytes; this is a
// million times more, so any code that was ever written still fits, while
// an endless stream (a device, a pipe that never ends) is cut off after
// 2 GiB of memory, well within what a desktop has.
inline constexpr std::uint64_t largestCode = std::uint64_t(2) << 30;

enum class Sources {
    RegularFiles, // the window: a device or a pipe would never end, or never start
    Anything,     // the converter: pipes, devices and process substitution too
};

struct Read
{
    enum Status { Done, Refused, TooLarge, Failed, NotACode } status = Failed;
    std::string bytes;  // the whole file when Done
    std::string reason; // why not, for Failed, Refused and TooLarge
    std::uint64_t size = 0; // for TooLarge: what the file holds, or what was read when it stopped
};

// Opens /dev/null on any of the descriptors 0 to 2 that the program was
// started without, so that no file it opens later takes their place (and
// receives what was meant for standard output); remembers which they were,
// so that reading or writing them still fails as it should.
void reserveStandardStreams();

// The program's arguments, file names among them, as the paths this layer
// takes: argv as it is on Linux; on Windows, whose argv holds them in the
// ANSI code page (which loses any name outside it, "été-日本.txt"), the
// UTF-8 of the UTF-16 command line.
std::vector<std::string> arguments(int argc, char *argv[]);

// Whether the first CodeText::headBytes bytes (all of a shorter file) may
// begin a code: a file they cannot begin is refused as NotACode before the
// rest of it is read, whatever its size.
using HeadCheck = bool (*)(std::string_view head);

// Given a taker, the bytes go to it as they are read, in blocks of at most
// blockBytes that it may not keep (the head first, once it is judged), and
// Read::bytes stays empty: a file is converted while it is read, whatever
// its size, in the memory of one block. Read::status then says whether
// every byte came.
using Blocks = std::function<void(std::string_view block)>;
inline constexpr std::size_t blockBytes = std::size_t(1) << 20;

Read read(const std::string &path, Sources sources, HeadCheck mayBeginCode = nullptr, const Blocks &take = {});
Read readStandardInput(HeadCheck mayBeginCode = nullptr, const Blocks &take = {});

enum class Targets {
    RegularFiles, // the window: anything else is refused
    Streams,      // the converter: a character device or a FIFO is written through
};

// Writes a code to path and returns why it could not, or nothing. A regular
// file, or a new one, is replaced whole and at once: the bytes go to a
// temporary file beside it that takes its place only once every byte is on
// the disk, so a full disk or any other failure leaves an existing file as
// it was. A symbolic link stays a link; the file it names is replaced.
// A directory, a socket or a block device is never written.
// A code in the pieces it was made in, written one after the other as if
// they were one, so that it need not be joined first.
using Pieces = std::span<const std::string_view>;
std::optional<std::string> write(const std::string &path, Pieces pieces, Targets targets);
inline std::optional<std::string> write(const std::string &path, std::string_view bytes, Targets targets)
{
    return write(path, Pieces(&bytes, 1), targets);
}
// The same to standard output, which may have been closed before the program
// started.
std::optional<std::string> writeStandardOutput(Pieces pieces);
// Whether standard output, or standard error, is a terminal, where a person
// reads it.
bool standardOutputIsTerminal();
bool standardErrorIsTerminal();

// Which file a path leads to, following links, so that a batch can tell an
// input reached under another name (a hard or symbolic link) from a new file.
struct Identity
{
    std::uint64_t device;
    std::uint64_t inode;
    bool operator==(const Identity &) const = default;
};
std::optional<Identity> identity(const std::string &path);
std::optional<Identity> standardInputIdentity();

// The file name of a path, as its system splits it ("\\" too on Windows).
std::string fileName(const std::string &path);

// The code files of a folder and of the folders in it, as a batch takes
// them (CodeBatch::takesFromFolder; hidden folders are passed by), with
// its name below the folder's parent ("codes/old/hero.txt", "/"
// between folders), so that the folder itself is kept in the output.
struct FoundFile
{
    std::string path;
    std::string name;
};
std::vector<FoundFile> codeFilesBelow(const std::string &folder);
// Whether a path names a folder.
bool isFolder(const std::string &path);
// The path of name ("codes/hero.txt", "/" between folders, as CodeBatch
// gives it) below folder.
std::string pathBelow(const std::string &folder, const std::string &name);
// Makes the folders a file's path needs; says why it could not.
std::optional<std::string> createFoldersFor(const std::string &path);
// Makes a folder and any missing folders above it; says why it could not.
std::optional<std::string> createFolders(const std::string &path);

} // namespace CodeFile

#endif // CODEFILE_H
