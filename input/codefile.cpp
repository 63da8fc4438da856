#include "codefile.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

bool standardStreamClosed[3] = {false, false, false};

std::string reasonFor(int error)
{
    return std::strerror(error);
}

// Closes a descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : mFd(fd) {}
    ~Descriptor()
    {
        if (mFd >= 0)
            ::close(mFd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return mFd; }
    // Closes now and says whether everything written reached the file.
    int release()
    {
        const int result = ::close(mFd);
        mFd = -1;
        return result;
    }

private:
    int mFd;
};

// Waits for data on a descriptor someone left non-blocking.
bool waitReadable(int fd)
{
    pollfd poll{fd, POLLIN, 0};
    return ::poll(&poll, 1, -1) >= 0 || errno == EINTR;
}

// Reads until the end, or until more than largestCode bytes have come. A
// regular file is read into one buffer of its size. A stream of unknown
// length is read in blocks that double up to 64 MiB and are joined once at
// its end, so what it holds never exceeds what was read by more than a block.
CodeFile::Read readAll(int fd, const struct stat &status)
{
    using CodeFile::largestCode;
    const bool regular = S_ISREG(status.st_mode);
    if (regular && std::uint64_t(status.st_size) > largestCode)
        return {CodeFile::Read::TooLarge, {}, {}};

    constexpr std::size_t largestBlock = std::size_t(64) << 20;
    std::vector<std::string> blocks;
    std::string block(regular ? std::size_t(status.st_size) + 1 : std::size_t(64) << 10, '\0');
    std::size_t filled = 0;
    std::uint64_t total = 0;
    for (;;) {
        if (filled == block.size()) {
            const std::size_t next = std::min(block.size() * 2, largestBlock);
            blocks.push_back(std::move(block));
            block.assign(next, '\0');
            filled = 0;
        }
        const ssize_t count = ::read(fd, block.data() + filled, block.size() - filled);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitReadable(fd))
                continue;
            return {CodeFile::Read::Failed, {}, reasonFor(errno)};
        }
        if (count == 0)
            break;
        filled += std::size_t(count);
        total += std::uint64_t(count);
        if (total > largestCode)
            return {CodeFile::Read::TooLarge, {}, {}};
    }
    block.resize(filled);
    if (blocks.empty())
        return {CodeFile::Read::Done, std::move(block), {}};

    std::string bytes;
    bytes.reserve(total);
    for (std::string &earlier : blocks) {
        bytes += earlier;
        earlier = std::string();
    }
    bytes += block;
    return {CodeFile::Read::Done, std::move(bytes), {}};
}

bool isStream(mode_t mode)
{
    return S_ISCHR(mode) || S_ISFIFO(mode);
}

std::string notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return reasonFor(EISDIR);
    if (S_ISSOCK(mode))
        return "it is a socket, not a file";
    if (S_ISBLK(mode))
        return "it is a block device, not a file";
    return "it is a device or a pipe, not a file";
}

std::optional<std::string> writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return reasonFor(errno);
        }
        bytes.remove_prefix(std::size_t(count));
    }
    return std::nullopt;
}

// The file a chain of symbolic links ends at, so that saving through a link
// replaces the file and keeps the link. A link that leads nowhere names the
// file to create.
std::string followLinks(std::string path)
{
    for (int depth = 0; depth < 40; ++depth) {
        std::string target(4096, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || std::size_t(length) >= target.size())
            return path;
        target.resize(std::size_t(length));
        if (target.front() != '/') {
            const std::size_t slash = path.rfind('/');
            if (slash != std::string::npos)
                target = path.substr(0, slash + 1) + target;
        }
        path = std::move(target);
    }
    return path;
}

// "/dev/stdout" and its kin name a descriptor the program already holds,
// opened by the shell with its own position and append mode; writing to it
// keeps those, where reopening the path would not (">> all.txt" must append).
std::optional<int> descriptorNamedBy(const std::string &path)
{
    if (path == "/dev/stdout")
        return STDOUT_FILENO;
    if (path == "/dev/stderr")
        return STDERR_FILENO;
    for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
        if (path.compare(0, folder.size(), folder) != 0 || path.size() == folder.size() || path.size() > folder.size() + 9)
            continue;
        const std::string number = path.substr(folder.size());
        if (number.find_first_not_of("0123456789") == std::string::npos)
            return std::stoi(number);
    }
    return std::nullopt;
}

std::string temporaryNameFor(const std::string &path, int attempt)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return folder + "." + name + ".saving-" + std::to_string(::getpid()) + "-" + std::to_string(stamp % 1000000)
        + "-" + std::to_string(attempt);
}

// Every byte goes to a new file beside the old one, reaches the disk, and
// only then does the new file take the old one's name. Any failure on the
// way removes the new file and leaves the old one untouched.
std::optional<std::string> replace(const std::string &path, std::string_view bytes, const struct stat *existing)
{
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = temporaryNameFor(path, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST)
            return reasonFor(errno);
    }
    if (fd < 0)
        return reasonFor(EEXIST);
    Descriptor file(fd);

    auto fail = [&temporary](int error) -> std::optional<std::string> {
        ::unlink(temporary.c_str());
        return reasonFor(error);
    };
    if (existing) {
        // The new file takes the old one's permissions, and its owner where
        // the system allows it.
        if (::fchown(file.get(), existing->st_uid, existing->st_gid) != 0) {
            // Only root may give a file away; anyone else keeps their own.
        }
        if (::fchmod(file.get(), existing->st_mode & 07777) != 0)
            return fail(errno);
    }
    if (std::optional<std::string> failure = writeAll(file.get(), bytes)) {
        ::unlink(temporary.c_str());
        return failure;
    }
    if (::fsync(file.get()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return fail(errno);
    if (file.release() != 0)
        return fail(errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return fail(errno);
    return std::nullopt;
}

std::optional<CodeFile::Identity> identityOf(const struct stat &status)
{
    return CodeFile::Identity{std::uint64_t(status.st_dev), std::uint64_t(status.st_ino)};
}

} // namespace

namespace CodeFile {

void reserveStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        standardStreamClosed[fd] = true;
        // The lowest free descriptor is this one.
        ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    }
}

Read read(const std::string &path, Sources sources)
{
    // Opening a FIFO for reading waits for a writer; the window must not,
    // so it opens without waiting and looks at what it got first.
    const int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | (sources == Sources::RegularFiles ? O_NONBLOCK : 0);
    int fd;
    do
        fd = ::open(path.c_str(), flags);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return {Read::Failed, {}, reasonFor(errno)};
    Descriptor file(fd);

    struct stat status;
    if (::fstat(file.get(), &status) != 0)
        return {Read::Failed, {}, reasonFor(errno)};
    if (S_ISDIR(status.st_mode))
        return {Read::Failed, {}, reasonFor(EISDIR)};
    if (sources == Sources::RegularFiles && !S_ISREG(status.st_mode))
        return {Read::Refused, {}, notAFile(status.st_mode)};
    return readAll(file.get(), status);
}

Read readStandardInput()
{
    if (standardStreamClosed[0])
        return {Read::Failed, {}, reasonFor(EBADF)};
    struct stat status;
    if (::fstat(STDIN_FILENO, &status) != 0)
        return {Read::Failed, {}, reasonFor(errno)};
    if (S_ISDIR(status.st_mode))
        return {Read::Failed, {}, reasonFor(EISDIR)};
    return readAll(STDIN_FILENO, status);
}

std::optional<std::string> write(const std::string &path, std::string_view bytes, Targets targets)
{
    if (path.empty())
        return reasonFor(ENOENT);
    if (targets == Targets::Streams) {
        if (const std::optional<int> fd = descriptorNamedBy(path)) {
            if (*fd <= 2 && standardStreamClosed[*fd])
                return reasonFor(EBADF);
            return writeAll(*fd, bytes);
        }
    }
    struct stat status;
    if (::stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT)
            return reasonFor(errno);
        return replace(followLinks(path), bytes, nullptr);
    }
    if (S_ISREG(status.st_mode))
        return replace(followLinks(path), bytes, &status);
    if (targets == Targets::Streams && isStream(status.st_mode)) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return reasonFor(errno);
        Descriptor stream(fd);
        if (std::optional<std::string> failure = writeAll(stream.get(), bytes))
            return failure;
        if (stream.release() != 0)
            return reasonFor(errno);
        return std::nullopt;
    }
    return notAFile(status.st_mode);
}

std::optional<std::string> writeStandardOutput(std::string_view bytes)
{
    return write("/dev/stdout", bytes, Targets::Streams);
}

std::optional<Identity> identity(const std::string &path)
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return identityOf(status);
}

std::optional<Identity> standardInputIdentity()
{
    struct stat status;
    if (standardStreamClosed[0] || ::fstat(STDIN_FILENO, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return identityOf(status);
}

} // namespace CodeFile
