// The file layer's rules, the same on every system: how a whole file is
// read, where a save goes, how a file is replaced whole and at once, when it
// is rewritten in place instead, and what the user is told. What each
// system does its own way is behind codefile_p.h.
#include "codefile_p.h"

#include "convert/codebatch.h"
#include "convert/conversion.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

namespace CodeFile {

namespace {

bool closedAtStart[3] = {false, false, false};

// Reads up to size bytes, fewer only at the end.
std::optional<std::string> readUpTo(const ReadStep &readSome, std::string &bytes, std::size_t size)
{
    bytes.assign(size, '\0');
    std::size_t filled = 0;
    std::string reason;
    while (filled < size) {
        const std::int64_t count = readSome(bytes.data() + filled, size - filled, reason);
        if (count < 0)
            return reason;
        if (count == 0)
            break;
        filled += std::size_t(count);
    }
    bytes.resize(filled);
    return std::nullopt;
}

Read tooLarge(std::uint64_t size)
{
    Read read{Read::TooLarge, {}, "it holds more than 2 GiB, and a code is a few kilobytes"};
    read.size = size;
    return read;
}

// Short writes are written on from where they stopped; any failure is the
// answer.
std::optional<std::string> writeAll(OpenFile &file, Pieces pieces)
{
    std::string reason;
    for (std::string_view bytes : pieces) {
        while (!bytes.empty()) {
            const std::int64_t count = file.writeSome(bytes.data(), bytes.size(), reason);
            if (count < 0)
                return reason;
            bytes.remove_prefix(std::size_t(count));
        }
    }
    return std::nullopt;
}

std::optional<std::string> copyAll(OpenFile &from, OpenFile &to)
{
    std::string block(std::size_t(64) << 10, '\0');
    std::string reason;
    for (;;) {
        const std::int64_t count = from.readSome(block.data(), block.size(), reason);
        if (count < 0)
            return reason;
        if (count == 0)
            return std::nullopt;
        const std::string_view piece(block.data(), std::size_t(count));
        if (auto failure = writeAll(to, Pieces(&piece, 1)))
            return failure;
    }
}

// The first of the steps that fails, and why.
template<typename... Steps>
std::optional<std::string> firstFailure(Steps &&...steps)
{
    std::optional<std::string> failure;
    ((failure = failure ? failure : steps()), ...);
    return failure;
}

// ".NAME.saving-XXXXXX" beside the file, the name shortened (never inside a
// character) so that the whole fits the longest name its folder takes.
std::string temporaryNameFor(const SaveTarget &target)
{
    static constexpr std::string_view suffix = ".saving-";
    static constexpr std::string_view letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random = [] {
        // Some systems' random_device gives every run the same numbers; the
        // clock tells two runs apart.
        const auto now = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
        std::seed_seq seed{std::uint32_t(now), std::uint32_t(now >> 32), std::random_device{}()};
        return std::mt19937(seed);
    }();
    std::string ending(suffix);
    for (int i = 0; i < 6; ++i)
        ending += letters[random() % letters.size()];

    const std::string &name = target.name();
    const std::size_t room = target.longestName() - 1 - target.lengthOf(ending);
    std::size_t kept = name.size();
    while (kept > 0 && target.lengthOf(std::string_view(name).substr(0, kept)) > room) {
        --kept;
        while (kept > 0 && (static_cast<unsigned char>(name[kept]) & 0xc0) == 0x80)
            --kept; // not inside a character
    }
    std::string temporary(1, '.');
    temporary.append(name, 0, kept).append(ending);
    return temporary;
}

// A new file beside the target under a name no other file has.
std::unique_ptr<OpenFile> createTemporary(SaveTarget &target, StopGuard &guard, std::string &name, std::string &reason)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryNameFor(target);
        guard.watch(target, name);
        bool alreadyThere = false;
        if (std::unique_ptr<OpenFile> file = target.createBeside(name, reason, alreadyThere))
            return file;
        guard.forget();
        if (!alreadyThere)
            return nullptr;
    }
    reason = reasonFor(EEXIST);
    return nullptr;
}

// Rewrites the file itself, for what a new file in its place would lose:
// its other names (hard links), or an owner, permissions or attributes the
// saver may not give a new file. Its old bytes are copied aside first and
// put back if the write fails, and stops wait until that is done, so the
// file is never left half-written.
std::optional<std::string> rewriteInPlace(SaveTarget &target, Pieces bytes)
{
    std::string reason;
    const std::unique_ptr<OpenFile> file = target.openItself(true, reason);
    if (!file)
        return reason;
    const std::unique_ptr<OpenFile> old = target.openItself(false, reason);
    if (!old)
        return "cannot keep a copy of the old code: " + reason;

    StopGuard guard;
    std::string copyName;
    std::unique_ptr<OpenFile> copy = createTemporary(target, guard, copyName, reason);
    if (!copy)
        return reason;
    bool copyKept = false;
    const auto removeCopy = [&] {
        copy.reset();
        if (!copyKept)
            target.removeBeside(copyName);
    };
    if (auto failure = firstFailure([&] { return target.makePrivate(*copy, copyName); },
                                    [&] { return copyAll(*old, *copy); }, [&] { return copy->sync(); })) {
        removeCopy();
        return "cannot keep a copy of the old code: " + *failure;
    }

    const std::optional<std::string> failure = guard.heldOff([&]() -> std::optional<std::string> {
        const std::optional<std::string> failure = firstFailure(
            [&] { return file->truncate(); }, [&] { return writeAll(*file, bytes); }, [&] { return file->sync(); });
        if (!failure)
            return std::nullopt;
        const bool restored = !firstFailure([&] { return file->truncate(); }, [&] { return copy->rewind(); },
                                            [&] { return copyAll(*copy, *file); }, [&] { return file->sync(); });
        if (restored)
            return failure;
        copyKept = true; // the only copy of the old code now
        guard.forget();
        return *failure + "; the old code is kept in " + target.shownPath(copyName);
    });
    removeCopy();
    return failure;
}

// Every byte goes to a new file beside the old one and reaches the disk;
// the new file takes what the old one keeps, and only then its name, in one
// step. Any failure on the way removes the new file and leaves the old one
// untouched. Where a new file could not keep what the old one has, the old
// one is rewritten in place instead.
std::optional<std::string> replace(SaveTarget &target, Pieces bytes)
{
    if (target.exists() && target.canBeReplaced() == Keeping::Lost)
        return rewriteInPlace(target, bytes);

    StopGuard guard;
    std::string name, reason;
    std::unique_ptr<OpenFile> file = createTemporary(target, guard, name, reason);
    if (!file)
        return reason;
    const auto removeIt = [&] {
        file.reset();
        target.removeBeside(name);
        guard.forget();
    };
    const auto failed = [&](std::optional<std::string> failure) {
        removeIt();
        return failure;
    };
    const auto rewriteInstead = [&] {
        removeIt();
        return rewriteInPlace(target, bytes);
    };
    if (target.prepareReplacement(*file, name) == Keeping::Lost)
        return rewriteInstead();
    if (auto failure = firstFailure([&] { return writeAll(*file, bytes); }, [&] { return file->sync(); }))
        return failed(failure);
    std::string failure;
    if (target.finishReplacement(*file, name, failure) == Keeping::Lost)
        return rewriteInstead();
    if (!failure.empty())
        return failed(failure);
    if (auto closed = file->close())
        return failed(closed);
    bool kept = false;
    if (auto moved = guard.heldOff([&]() -> std::optional<std::string> {
            auto moved = target.takePlace(name, kept);
            if (!moved || kept)
                guard.forget();
            return moved;
        }))
        return kept ? moved : failed(moved);
    return target.afterPlace();
}

// Each block goes to the taker as it comes, from one buffer used again and
// again: nothing is held, and the buffer is never cleared, since only what
// a read filled is given.
Read readInBlocks(const ReadStep &readSome, std::string head, const Blocks &take)
{
    std::uint64_t total = head.size();
    if (!head.empty())
        take(head);
    head = std::string();
    const std::unique_ptr<char[]> block(new char[blockBytes]);
    std::string reason;
    for (;;) {
        const std::int64_t count = readSome(block.get(), blockBytes, reason);
        if (count < 0)
            return {Read::Failed, {}, reason};
        if (count == 0)
            return {Read::Done, {}, {}};
        total += std::uint64_t(count);
        if (total > largestCode)
            return tooLarge(total);
        take(std::string_view(block.get(), std::size_t(count)));
    }
}

} // namespace

std::string reasonFor(int error)
{
    return std::strerror(error);
}

void markStandardStreamClosed(int stream)
{
    closedAtStart[stream] = true;
}

bool standardStreamClosed(int stream)
{
    return stream >= 0 && stream <= 2 && closedAtStart[stream];
}

Read readWhole(const ReadStep &readSome, std::optional<std::uint64_t> regularSize, HeadCheck mayBeginCode,
               const Blocks &take)
{
    // The first bytes are judged before anything else is read or held.
    std::string head;
    if (mayBeginCode) {
        if (auto failure = readUpTo(readSome, head, CodeText::headBytes))
            return {Read::Failed, {}, *failure};
        if (!mayBeginCode(head))
            return {Read::NotACode, {}, {}};
        if (head.size() < CodeText::headBytes && !take) // all there is
            return {Read::Done, std::move(head), {}};
    }
    if (regularSize && *regularSize > largestCode)
        return tooLarge(*regularSize);
    if (take)
        return readInBlocks(readSome, std::move(head), take);

    // A regular file is read into one buffer of its size (and a byte more,
    // to see it end), its head first: the code is never held twice.
    constexpr std::size_t largestBlock = std::size_t(64) << 20;
    std::string block(std::max(regularSize ? std::size_t(*regularSize) + 1 : std::size_t(64) << 10, head.size()), '\0');
    std::copy(head.begin(), head.end(), block.begin());
    std::size_t filled = head.size();
    std::uint64_t total = head.size();
    head = std::string();
    std::vector<std::string> blocks;
    std::string reason;
    for (;;) {
        if (filled == block.size()) {
            const std::size_t next = std::min(block.size() * 2, largestBlock);
            blocks.push_back(std::move(block));
            block.assign(next, '\0');
            filled = 0;
        }
        const std::int64_t count = readSome(block.data() + filled, block.size() - filled, reason);
        if (count < 0)
            return {Read::Failed, {}, reason};
        if (count == 0)
            break;
        filled += std::size_t(count);
        total += std::uint64_t(count);
        if (total > largestCode)
            return tooLarge(total);
    }
    block.resize(filled);
    if (blocks.empty())
        return {Read::Done, std::move(block), {}};

    // A stream's blocks, joined once at its end.
    std::string bytes;
    bytes.reserve(total);
    for (std::string &earlier : blocks) {
        bytes += earlier;
        earlier = std::string();
    }
    bytes += block;
    return {Read::Done, std::move(bytes), {}};
}

std::optional<std::string> write(const std::string &path, Pieces bytes, Targets targets)
{
    if (path.empty())
        return reasonFor(ENOENT);
    Destination destination = destinationOf(path, targets);
    if (destination.file)
        return replace(*destination.file, bytes);
    if (!destination.stream)
        return destination.refused;
    if (auto failure = writeAll(*destination.stream, bytes))
        return failure;
    return destination.stream->close();
}

std::optional<std::string> writeStandardOutput(Pieces bytes)
{
    if (standardStreamClosed(1))
        return reasonFor(EBADF);
    return writeAll(*standardStream(1), bytes);
}

std::string fileName(const std::string &path)
{
    return pathString(fileSystemPath(path).filename());
}

std::vector<FoundFile> codeFilesBelow(const std::string &folder)
{
    std::vector<FoundFile> found;
    std::filesystem::path top = fileSystemPath(folder);
    // "codes/" names the folder "codes", as "codes" does.
    if (!top.has_filename())
        top = top.parent_path();
    const std::filesystem::path above = top.parent_path();
    std::error_code failure;
    for (auto entry = std::filesystem::recursive_directory_iterator(
             top, std::filesystem::directory_options::skip_permission_denied, failure);
         !failure && entry != std::filesystem::recursive_directory_iterator(); entry.increment(failure)) {
        const std::string name = pathString(entry->path().filename());
        if (entry->is_directory(failure) && !name.empty() && name.front() == '.') {
            entry.disable_recursion_pending();
            continue;
        }
        if (!entry->is_regular_file(failure))
            continue;
        std::string below = pathString(entry->path().lexically_relative(above));
        if (std::filesystem::path::preferred_separator != '/')
            std::replace(below.begin(), below.end(), char(std::filesystem::path::preferred_separator), '/');
        if (CodeBatch::takesFromFolder(below))
            found.push_back({pathString(entry->path()), std::move(below)});
    }
    return found;
}

bool isFolder(const std::string &path)
{
    std::error_code failure;
    return std::filesystem::is_directory(fileSystemPath(path), failure);
}

std::string pathBelow(const std::string &folder, const std::string &name)
{
    std::filesystem::path below = fileSystemPath(folder);
    StringTools::forEachPiece(name, '/', [&](std::string_view part) { below /= fileSystemPath(std::string(part)); });
    return pathString(below);
}

std::optional<std::string> createFoldersFor(const std::string &path)
{
    return createFolders(pathString(fileSystemPath(path).parent_path()));
}

std::optional<std::string> createFolders(const std::string &path)
{
    std::error_code failure;
    std::filesystem::create_directories(fileSystemPath(path), failure);
    if (!failure)
        return std::nullopt;
    // The portable wording where there is one ("Permission denied"), the
    // same on every system.
    return failure.default_error_condition().message();
}

} // namespace CodeFile
