#include "codefile_reading.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace CodeFile {

namespace {

// A path as the library sees it: on Windows the UTF-8 of its UTF-16 name
// (a plain string would be taken in the ANSI code page), elsewhere its bytes.
std::filesystem::path toPath(const std::string &path)
{
#ifdef _WIN32
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
    return path;
#endif
}

std::string fromPath(const std::filesystem::path &path)
{
#ifdef _WIN32
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    return path.native();
#endif
}

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

} // namespace

Read readWhole(const ReadStep &readSome, std::optional<std::uint64_t> regularSize, HeadCheck mayBeginCode)
{
    std::vector<std::string> blocks;
    std::uint64_t total = 0;
    // The first bytes are judged before anything else is read or held.
    if (mayBeginCode) {
        std::string head;
        if (auto failure = readUpTo(readSome, head, headBytes))
            return {Read::Failed, {}, *failure};
        if (!mayBeginCode(head))
            return {Read::NotACode, {}, {}};
        total = head.size();
        blocks.push_back(std::move(head));
    }
    if (regularSize && *regularSize > largestCode)
        return {Read::TooLarge, {}, {}};

    constexpr std::size_t largestBlock = std::size_t(64) << 20;
    const std::size_t rest = regularSize && *regularSize > total ? std::size_t(*regularSize - total) : 0;
    std::string block(regularSize ? rest + 1 : std::size_t(64) << 10, '\0');
    std::size_t filled = 0;
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
            return {Read::TooLarge, {}, {}};
    }
    block.resize(filled);
    if (blocks.empty())
        return {Read::Done, std::move(block), {}};

    std::string bytes;
    bytes.reserve(total);
    for (std::string &earlier : blocks) {
        bytes += earlier;
        earlier = std::string();
    }
    bytes += block;
    return {Read::Done, std::move(bytes), {}};
}

std::string pathInFolder(const std::string &folder, const std::string &input)
{
    return fromPath(toPath(folder) / toPath(input).filename());
}

std::optional<std::string> createFolders(const std::string &path)
{
    std::error_code failure;
    std::filesystem::create_directories(toPath(path), failure);
    if (!failure)
        return std::nullopt;
    // The portable wording where there is one ("Permission denied"), the
    // same on every system.
    return failure.default_error_condition().message();
}

} // namespace CodeFile
