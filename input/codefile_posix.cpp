#include "codefile.h"
#include "codefile_reading.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <utility>
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
    Descriptor(Descriptor &&other) noexcept : mFd(std::exchange(other.mFd, -1)) {}
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        if (this != &other) {
            if (mFd >= 0)
                ::close(mFd);
            mFd = std::exchange(other.mFd, -1);
        }
        return *this;
    }

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

// One read, with interruptions and a descriptor someone left non-blocking
// waited out: what came (0 at the end), or -1 with errno.
ssize_t readSome(int fd, char *into, std::size_t size)
{
    for (;;) {
        const ssize_t count = ::read(fd, into, size);
        if (count >= 0 || !(errno == EINTR || ((errno == EAGAIN || errno == EWOULDBLOCK) && waitReadable(fd))))
            return count;
    }
}

CodeFile::Read readAll(int fd, const struct stat &status, CodeFile::HeadCheck mayBeginCode)
{
    const auto readFrom = [fd](char *into, std::size_t size, std::string &reason) -> std::int64_t {
        const ssize_t count = readSome(fd, into, size);
        if (count < 0)
            reason = reasonFor(errno);
        return count;
    };
    return CodeFile::readWhole(readFrom, S_ISREG(status.st_mode) ? std::optional<std::uint64_t>(status.st_size) : std::nullopt,
                               mayBeginCode);
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

// Waits until a descriptor someone left non-blocking takes more.
bool waitWritable(int fd)
{
    pollfd poll{fd, POLLOUT, 0};
    return ::poll(&poll, 1, -1) >= 0 || errno == EINTR;
}

// Short writes, interruptions and a full non-blocking pipe are waited out;
// any other failure is the answer.
std::optional<std::string> writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitWritable(fd))
                continue;
            return reasonFor(errno);
        }
        bytes.remove_prefix(std::size_t(count));
    }
    return std::nullopt;
}

std::optional<std::string> copyAll(int from, int to)
{
    std::string block(std::size_t(64) << 10, '\0');
    for (;;) {
        const ssize_t count = readSome(from, block.data(), block.size());
        if (count < 0)
            return reasonFor(errno);
        if (count == 0)
            return std::nullopt;
        if (auto failure = writeAll(to, std::string_view(block.data(), std::size_t(count))))
            return failure;
    }
}

std::optional<std::string> sync(int fd)
{
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return reasonFor(errno);
    return std::nullopt;
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

// The file a save writes, found once: the folder that holds it, open, and
// its name there. Symbolic links are followed while finding it and never
// after, so the file whose owner and mode are kept is the file replaced,
// whatever happens to the path meanwhile.
struct Target
{
    Descriptor folder{-1};
    std::string name;
    std::optional<struct stat> status; // nothing for a new file

    bool unchanged() const
    {
        struct stat now;
        if (::fstatat(folder.get(), name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0)
            return !status && errno == ENOENT;
        return status && now.st_dev == status->st_dev && now.st_ino == status->st_ino;
    }
};

std::optional<std::string> resolve(std::string path, Target &target)
{
    Descriptor linkFolder(-1); // where a relative link is read from
    for (int depth = 0;; ++depth) {
        const std::size_t slash = path.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
        std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
        if (name.empty() || name == "." || name == "..")
            return reasonFor(EISDIR);
        const int start = path.front() == '/' || linkFolder.get() < 0 ? AT_FDCWD : linkFolder.get();
        // O_PATH: a folder one may write to but not list is as good as any.
        Descriptor opened(::openat(start, folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (opened.get() < 0)
            return reasonFor(errno);
        struct stat status;
        const bool exists = ::fstatat(opened.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
        if (!exists && errno != ENOENT)
            return reasonFor(errno);
        if (!exists || !S_ISLNK(status.st_mode)) {
            target.folder = std::move(opened);
            target.name = std::move(name);
            target.status = exists ? std::optional<struct stat>(status) : std::nullopt;
            return std::nullopt;
        }
        if (depth == 40)
            return reasonFor(ELOOP);
        // As the kernel's protected_symlinks does for open(): in a sticky
        // folder anyone may write (/tmp), a link is followed only when its
        // owner is the saver or the folder's owner.
        struct stat folderStatus;
        if (::fstat(opened.get(), &folderStatus) != 0)
            return reasonFor(errno);
        if ((folderStatus.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH) && status.st_uid != ::geteuid()
            && status.st_uid != folderStatus.st_uid)
            return reasonFor(EACCES);
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlinkat(opened.get(), name.c_str(), link.data(), link.size());
        if (length <= 0)
            return reasonFor(length < 0 ? errno : ENOENT);
        link.resize(std::size_t(length));
        path = std::move(link);
        linkFolder = std::move(opened);
    }
}

// The temporary file being written, for the signal handlers to remove if
// the program is stopped meanwhile.
volatile sig_atomic_t pendingFolder = -1;
char pendingName[NAME_MAX + 1];
constexpr int stoppingSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previousActions[std::size(stoppingSignals)];

extern "C" void removePendingAndStop(int signal)
{
    if (pendingFolder >= 0)
        ::unlinkat(pendingFolder, pendingName, 0);
    for (std::size_t i = 0; i < std::size(stoppingSignals); ++i)
        if (stoppingSignals[i] == signal)
            ::sigaction(signal, &previousActions[i], nullptr);
    ::raise(signal);
}

// Watches one temporary file at a time for as long as it exists: a signal
// that stops the program removes it first. Signals the program ignores stay
// ignored.
class PendingTemporary
{
public:
    PendingTemporary()
    {
        struct sigaction removing = {};
        removing.sa_handler = removePendingAndStop;
        sigfillset(&removing.sa_mask);
        for (std::size_t i = 0; i < std::size(stoppingSignals); ++i) {
            ::sigaction(stoppingSignals[i], nullptr, &previousActions[i]);
            mInstalled[i] = previousActions[i].sa_handler != SIG_IGN;
            if (mInstalled[i])
                ::sigaction(stoppingSignals[i], &removing, nullptr);
        }
    }
    ~PendingTemporary()
    {
        forget();
        for (std::size_t i = 0; i < std::size(stoppingSignals); ++i)
            if (mInstalled[i])
                ::sigaction(stoppingSignals[i], &previousActions[i], nullptr);
    }
    PendingTemporary(const PendingTemporary &) = delete;
    PendingTemporary &operator=(const PendingTemporary &) = delete;

    // Named before it is created, so that no moment is left uncovered.
    void watch(int folder, const std::string &name)
    {
        forget();
        std::memcpy(pendingName, name.c_str(), name.size() + 1);
        pendingFolder = folder;
    }
    void forget() { pendingFolder = -1; }

private:
    bool mInstalled[std::size(stoppingSignals)] = {};
};

// ".NAME.saving-XXXXXX" beside the file, shortened as needed so that it fits
// any name the file system takes.
std::string temporaryNameFor(int folder, const std::string &name)
{
    static constexpr std::string_view suffix = ".saving-";
    static constexpr std::string_view letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 random(std::random_device{}());
    long longest = ::fpathconf(folder, _PC_NAME_MAX);
    if (longest <= 0)
        longest = NAME_MAX;
    longest = std::clamp(longest, 32L, long(NAME_MAX));
    std::size_t kept = std::min(name.size(), std::size_t(longest) - 1 - suffix.size() - 6);
    for (int i = 0; i < 3 && kept < name.size() && (static_cast<unsigned char>(name[kept]) & 0xc0) == 0x80; ++i)
        --kept; // not inside a character
    std::string temporary = "." + name.substr(0, kept) + std::string(suffix);
    for (int i = 0; i < 6; ++i)
        temporary += letters[random() % letters.size()];
    return temporary;
}

// A new file beside the target that only its owner may read, whatever the
// target's mode: nobody sees a byte of the code before it is in place.
std::optional<std::string> createTemporary(const Target &target, PendingTemporary &pending, Descriptor &file,
                                           std::string &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryNameFor(target.folder.get(), target.name);
        pending.watch(target.folder.get(), temporary);
        file = Descriptor(::openat(target.folder.get(), temporary.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0600));
        if (file.get() >= 0)
            return std::nullopt;
        pending.forget();
        if (errno != EEXIST)
            return reasonFor(errno);
    }
    return reasonFor(EEXIST);
}

mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0)
            return mode_t(std::stoul(line.substr(6), nullptr, 8));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The old file's owner and group on the new one, while it is still private
// (which shows nobody else anything), so that a saver who may not keep
// them learns it before writing a byte: only root may give a file to
// another user, and a non-root saver may not set a group it is not in.
bool keepOwner(int to, const Target &target)
{
    return ::fchown(to, target.status->st_uid, target.status->st_gid) == 0;
}

// Then, with every byte written, its mode, ACLs and extended attributes.
// False when any of them cannot be kept.
bool carryOver(int to, const Target &target)
{
    if (::fchmod(to, target.status->st_mode & 07777) != 0)
        return false;
    Descriptor from(::openat(target.folder.get(), target.name.c_str(),
                             O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (from.get() < 0)
        return false;
    std::string names(4096, '\0');
    ssize_t length = ::flistxattr(from.get(), names.data(), names.size());
    if (length < 0 && errno == ERANGE) {
        names.resize(std::size_t(::flistxattr(from.get(), nullptr, 0)) + 1);
        length = ::flistxattr(from.get(), names.data(), names.size());
    }
    if (length < 0)
        return errno == ENOTSUP;
    names.resize(std::size_t(length));
    for (std::size_t start = 0; start < names.size(); start = names.find('\0', start) + 1) {
        const char *name = names.c_str() + start;
        const ssize_t size = ::fgetxattr(from.get(), name, nullptr, 0);
        std::string value(std::size_t(std::max<ssize_t>(size, 0)), '\0');
        if (size < 0 || ::fgetxattr(from.get(), name, value.data(), value.size()) != size
            || ::fsetxattr(to, name, value.data(), value.size(), 0) != 0)
            return false;
    }
    return true;
}

const char changedMeanwhile[] = "the file changed while the code was being saved; it was left as it was";

// Rewrites the file itself, for what a new file in its place would lose:
// its other names (hard links), or an owner, group, ACL or attribute the
// saver may not set. The old bytes are copied aside first and put back if
// anything fails, and stopping signals wait until it is done, so the file
// is never left half-written.
std::optional<std::string> rewriteInPlace(const Target &target, std::string_view bytes)
{
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    Descriptor file(::openat(target.folder.get(), target.name.c_str(), O_WRONLY | flags));
    if (file.get() < 0)
        return reasonFor(errno);
    struct stat status;
    if (::fstat(file.get(), &status) != 0 || status.st_ino != target.status->st_ino || !S_ISREG(status.st_mode))
        return changedMeanwhile;
    Descriptor old(::openat(target.folder.get(), target.name.c_str(), O_RDONLY | flags));
    if (old.get() < 0)
        return "cannot keep a copy of the old code: " + reasonFor(errno);

    PendingTemporary pending;
    Descriptor copy(-1);
    std::string copyName;
    if (auto failure = createTemporary(target, pending, copy, copyName))
        return failure;
    auto failed = [&](std::string reason) -> std::optional<std::string> {
        ::unlinkat(target.folder.get(), copyName.c_str(), 0);
        return reason;
    };
    if (auto failure = copyAll(old.get(), copy.get()); failure || (failure = sync(copy.get())))
        return failed(*failure);

    sigset_t stopping, previous;
    sigemptyset(&stopping);
    for (const int signal : stoppingSignals)
        sigaddset(&stopping, signal);
    ::pthread_sigmask(SIG_BLOCK, &stopping, &previous);
    std::optional<std::string> failure;
    bool copyKept = false;
    if (::ftruncate(file.get(), 0) != 0)
        failure = reasonFor(errno);
    if (!failure)
        failure = writeAll(file.get(), bytes);
    if (!failure)
        failure = sync(file.get());
    if (failure) {
        const bool restored = ::ftruncate(file.get(), 0) == 0 && ::lseek(file.get(), 0, SEEK_SET) == 0
            && ::lseek(copy.get(), 0, SEEK_SET) == 0 && !copyAll(copy.get(), file.get()) && !sync(file.get());
        if (!restored) {
            copyKept = true; // the only copy of the old code now
            pending.forget();
            failure = *failure + "; the old code is kept in " + copyName;
        }
    }
    if (!copyKept)
        ::unlinkat(target.folder.get(), copyName.c_str(), 0);
    pending.forget();
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return failure;
}

// Every byte goes to a new private file beside the old one and reaches the
// disk; the new file takes the old one's owner, group, mode, ACLs and
// attributes, and only then its name, in one rename. Any failure on the way
// removes the new file and leaves the old one untouched.
std::optional<std::string> replace(const Target &target, std::string_view bytes)
{
    if (target.status && target.status->st_nlink > 1)
        return rewriteInPlace(target, bytes);

    PendingTemporary pending;
    Descriptor file(-1);
    std::string temporary;
    if (auto failure = createTemporary(target, pending, file, temporary))
        return failure;
    auto failed = [&](std::optional<std::string> reason) {
        ::unlinkat(target.folder.get(), temporary.c_str(), 0);
        return reason;
    };
    if (target.status && !keepOwner(file.get(), target)) {
        failed(std::nullopt);
        return rewriteInPlace(target, bytes);
    }
    if (auto failure = writeAll(file.get(), bytes))
        return failed(failure);
    if (auto failure = sync(file.get()))
        return failed(failure);
    if (target.status && !carryOver(file.get(), target)) {
        failed(std::nullopt);
        return rewriteInPlace(target, bytes);
    }
    if (!target.status && ::fchmod(file.get(), 0666 & ~currentUmask()) != 0)
        return failed(reasonFor(errno));
    if (file.release() != 0)
        return failed(reasonFor(errno));
    if (!target.unchanged())
        return failed(std::string(changedMeanwhile));
    // A new file never takes the place of one that appeared meanwhile.
    const unsigned flags = target.status ? 0 : RENAME_NOREPLACE;
    if (::renameat2(target.folder.get(), temporary.c_str(), target.folder.get(), target.name.c_str(), flags) != 0
        && !(errno == EINVAL && flags
             && ::renameat(target.folder.get(), temporary.c_str(), target.folder.get(), target.name.c_str()) == 0))
        return failed(errno == EEXIST ? std::string(changedMeanwhile) : reasonFor(errno));
    pending.forget();
    // The rename itself, on the disk, where the folder can be opened for it.
    if (Descriptor folder(::openat(target.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)); folder.get() >= 0)
        sync(folder.get());
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

std::vector<std::string> arguments(int argc, char *argv[])
{
    return std::vector<std::string>(argv, argv + argc);
}

Read read(const std::string &path, Sources sources, HeadCheck mayBeginCode)
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
    return readAll(file.get(), status, mayBeginCode);
}

Read readStandardInput(HeadCheck mayBeginCode)
{
    if (standardStreamClosed[0])
        return {Read::Failed, {}, reasonFor(EBADF)};
    struct stat status;
    if (::fstat(STDIN_FILENO, &status) != 0)
        return {Read::Failed, {}, reasonFor(errno)};
    if (S_ISDIR(status.st_mode))
        return {Read::Failed, {}, reasonFor(EISDIR)};
    return readAll(STDIN_FILENO, status, mayBeginCode);
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
    Target target;
    if (auto failure = resolve(path, target))
        return failure;
    if (!target.status || S_ISREG(target.status->st_mode))
        return replace(target, bytes);
    if (targets == Targets::Streams && isStream(target.status->st_mode)) {
        Descriptor stream(::openat(target.folder.get(), target.name.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
        if (stream.get() < 0)
            return reasonFor(errno);
        if (std::optional<std::string> failure = writeAll(stream.get(), bytes))
            return failure;
        if (stream.release() != 0)
            return reasonFor(errno);
        return std::nullopt;
    }
    return notAFile(target.status->st_mode);
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
