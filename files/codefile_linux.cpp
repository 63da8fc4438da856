// How Linux opens, renames and keeps files, for the file layer's rules
// (codefile.cpp): descriptors, a target's folder held open for its path
// alone, renameat2, the owner, mode, ACLs and extended attributes a
// replaced file keeps, and signals that stop a save.
#include "codefile_p.h"

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
#include <utility>

namespace CodeFile {

namespace {

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
    int release() { return ::close(std::exchange(mFd, -1)); }
    // Gives the descriptor up, open.
    int take() { return std::exchange(mFd, -1); }

private:
    int mFd;
};

// Waits until a descriptor someone left non-blocking has data, or room.
bool waitFor(int fd, short events)
{
    pollfd poll{fd, events, 0};
    return ::poll(&poll, 1, -1) >= 0 || errno == EINTR;
}

bool waitedOut(int fd, short events)
{
    return errno == EINTR || ((errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(fd, events));
}

// A descriptor as the rules use it; one the program was given (standard
// output, "/dev/stdout") is written to but never closed.
class LinuxFile : public OpenFile
{
public:
    LinuxFile(int fd, bool owned) : mFd(owned ? fd : -1), mBorrowed(owned ? -1 : fd) {}
    int fd() const { return mBorrowed >= 0 ? mBorrowed : mFd.get(); }

    std::int64_t readSome(char *into, std::size_t size, std::string &reason) override
    {
        for (;;) {
            const ssize_t count = ::read(fd(), into, size);
            if (count >= 0 || !waitedOut(fd(), POLLIN)) {
                if (count < 0)
                    reason = reasonFor(errno);
                return count;
            }
        }
    }
    std::int64_t writeSome(const char *bytes, std::size_t size, std::string &reason) override
    {
        for (;;) {
            const ssize_t count = ::write(fd(), bytes, size);
            if (count >= 0 || !waitedOut(fd(), POLLOUT)) {
                if (count < 0)
                    reason = reasonFor(errno);
                return count;
            }
        }
    }
    std::optional<std::string> sync() override
    {
        if (::fsync(fd()) != 0 && errno != EINVAL && errno != ENOTSUP)
            return reasonFor(errno);
        return std::nullopt;
    }
    std::optional<std::string> rewind() override
    {
        return ::lseek(fd(), 0, SEEK_SET) == 0 ? std::nullopt : std::optional(reasonFor(errno));
    }
    std::optional<std::string> truncate() override
    {
        return ::ftruncate(fd(), 0) == 0 ? rewind() : std::optional(reasonFor(errno));
    }
    std::optional<std::string> close() override
    {
        if (mBorrowed >= 0 || mFd.get() < 0)
            return std::nullopt;
        return mFd.release() == 0 ? std::nullopt : std::optional(reasonFor(errno));
    }

private:
    Descriptor mFd;
    int mBorrowed;
};

std::unique_ptr<OpenFile> owned(int fd)
{
    return fd >= 0 ? std::make_unique<LinuxFile>(fd, true) : nullptr;
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
    return deviceOrPipe;
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

int fdOf(OpenFile &file)
{
    return static_cast<LinuxFile &>(file).fd();
}

// The file a save writes, found once: the folder that holds it, open, and
// its name there. Symbolic links are followed while finding it and never
// after, so the file whose owner and mode are kept is the file replaced,
// whatever happens to the path meanwhile.
class LinuxTarget : public SaveTarget
{
public:
    Descriptor folder{-1};
    std::string fileName;
    std::optional<struct stat> status; // nothing for a new file

    bool exists() const override { return status.has_value(); }
    const std::string &name() const override { return fileName; }
    std::size_t longestName() const override
    {
        const long longest = ::fpathconf(folder.get(), _PC_NAME_MAX);
        return std::size_t(std::clamp(longest > 0 ? longest : long(NAME_MAX), 32L, long(NAME_MAX)));
    }
    std::size_t lengthOf(std::string_view name) const override { return name.size(); }

    // Only its owner may read it, whatever the target's mode: nobody sees a
    // byte of the code before it is in place.
    std::unique_ptr<OpenFile> createBeside(const std::string &name, std::string &reason, bool &alreadyThere) override
    {
        const int fd = ::openat(folder.get(), name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW,
                                0600);
        alreadyThere = fd < 0 && errno == EEXIST;
        if (fd < 0)
            reason = reasonFor(errno);
        return owned(fd);
    }
    void removeBeside(const std::string &name) override { ::unlinkat(folder.get(), name.c_str(), 0); }
    std::string shownPath(const std::string &name) const override { return name; }
    std::optional<std::string> makePrivate(OpenFile &, const std::string &) override { return std::nullopt; }

    Keeping canBeReplaced() override { return status->st_nlink > 1 ? Keeping::Lost : Keeping::Kept; }
    // The old file's owner and group on the new one, while it is still
    // private (which shows nobody else anything), so that a saver who may
    // not keep them learns it before writing a byte: only root may give a
    // file to another user, and a non-root saver may not set a group it is
    // not in.
    Keeping prepareReplacement(OpenFile &file, const std::string &) override
    {
        return !status || ::fchown(fdOf(file), status->st_uid, status->st_gid) == 0 ? Keeping::Kept : Keeping::Lost;
    }
    // Then, with every byte written, its mode, ACLs and extended
    // attributes; a new file gets the mode any new file gets.
    Keeping finishReplacement(OpenFile &file, const std::string &, std::string &failure) override
    {
        if (!status) {
            if (::fchmod(fdOf(file), 0666 & ~currentUmask()) != 0)
                failure = reasonFor(errno);
            return Keeping::Kept;
        }
        return carryOver(fdOf(file)) ? Keeping::Kept : Keeping::Lost;
    }
    std::optional<std::string> takePlace(const std::string &name, bool &) override
    {
        if (!unchanged())
            return changedMeanwhile;
        const unsigned flags = status ? 0 : RENAME_NOREPLACE;
        if (::renameat2(folder.get(), name.c_str(), folder.get(), fileName.c_str(), flags) == 0)
            return std::nullopt;
        if (errno == EINVAL && flags && ::renameat(folder.get(), name.c_str(), folder.get(), fileName.c_str()) == 0)
            return std::nullopt;
        return errno == EEXIST ? std::string(changedMeanwhile) : reasonFor(errno);
    }
    // The rename itself, on the disk, where the folder can be opened for it.
    std::optional<std::string> afterPlace() override
    {
        if (Descriptor opened(::openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)); opened.get() >= 0)
            LinuxFile(opened.get(), false).sync();
        return std::nullopt;
    }
    std::unique_ptr<OpenFile> openItself(bool forWriting, std::string &reason) override
    {
        const int flags = (forWriting ? O_WRONLY : O_RDONLY) | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
        Descriptor file(::openat(folder.get(), fileName.c_str(), flags));
        struct stat now;
        if (file.get() < 0) {
            reason = reasonFor(errno);
            return nullptr;
        }
        if (::fstat(file.get(), &now) != 0 || now.st_ino != status->st_ino || !S_ISREG(now.st_mode)) {
            reason = changedMeanwhile;
            return nullptr;
        }
        return owned(file.take());
    }

private:
    bool unchanged() const
    {
        struct stat now;
        if (::fstatat(folder.get(), fileName.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0)
            return !status && errno == ENOENT;
        return status && now.st_dev == status->st_dev && now.st_ino == status->st_ino;
    }

    // Mode, ACLs (which are extended attributes) and the other extended
    // attributes of the old file; false when any of them cannot be kept.
    bool carryOver(int to) const
    {
        if (::fchmod(to, status->st_mode & 07777) != 0)
            return false;
        Descriptor from(::openat(folder.get(), fileName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
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
};

std::optional<std::string> resolve(std::string path, LinuxTarget &target)
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
            target.fileName = std::move(name);
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
// the program is stopped meanwhile. Signals the program ignores stay
// ignored; the handlers are there while any save lasts.
volatile sig_atomic_t pendingFolder = -1;
char pendingName[NAME_MAX + 1];
constexpr int stoppingSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previousActions[std::size(stoppingSignals)];
bool handlerInstalled[std::size(stoppingSignals)];
int saves = 0;

extern "C" void removePendingAndStop(int signal)
{
    if (pendingFolder >= 0)
        ::unlinkat(pendingFolder, pendingName, 0);
    for (std::size_t i = 0; i < std::size(stoppingSignals); ++i)
        if (stoppingSignals[i] == signal)
            ::sigaction(signal, &previousActions[i], nullptr);
    ::raise(signal);
}

sigset_t stopping()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : stoppingSignals)
        sigaddset(&set, signal);
    return set;
}

Read readAll(int fd, const struct stat &status, HeadCheck mayBeginCode, const Blocks &take)
{
    LinuxFile file(fd, false);
    const auto readFrom = [&file](char *into, std::size_t size, std::string &reason) {
        return file.readSome(into, size, reason);
    };
    return readWhole(readFrom, S_ISREG(status.st_mode) ? std::optional<std::uint64_t>(status.st_size) : std::nullopt,
                     mayBeginCode, take);
}

std::optional<Identity> identityOf(const struct stat &status)
{
    return Identity{std::uint64_t(status.st_dev), std::uint64_t(status.st_ino)};
}

} // namespace

StopGuard::StopGuard()
{
    if (saves++ > 0)
        return;
    struct sigaction removing = {};
    removing.sa_handler = removePendingAndStop;
    sigfillset(&removing.sa_mask);
    for (std::size_t i = 0; i < std::size(stoppingSignals); ++i) {
        ::sigaction(stoppingSignals[i], nullptr, &previousActions[i]);
        handlerInstalled[i] = previousActions[i].sa_handler != SIG_IGN;
        if (handlerInstalled[i])
            ::sigaction(stoppingSignals[i], &removing, nullptr);
    }
}

StopGuard::~StopGuard()
{
    forget();
    if (--saves > 0)
        return;
    for (std::size_t i = 0; i < std::size(stoppingSignals); ++i)
        if (handlerInstalled[i])
            ::sigaction(stoppingSignals[i], &previousActions[i], nullptr);
}

void StopGuard::watch(const SaveTarget &target, const std::string &name)
{
    forget();
    std::memcpy(pendingName, name.c_str(), std::min(name.size() + 1, sizeof(pendingName)));
    pendingFolder = static_cast<const LinuxTarget &>(target).folder.get();
}

void StopGuard::forget()
{
    pendingFolder = -1;
}

std::optional<std::string> StopGuard::heldOff(const std::function<std::optional<std::string>()> &step)
{
    const sigset_t held = stopping();
    sigset_t previous;
    ::pthread_sigmask(SIG_BLOCK, &held, &previous);
    std::optional<std::string> result = step();
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return result;
}

void reserveStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        markStandardStreamClosed(fd);
        // The lowest free descriptor is this one.
        ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    }
}

std::vector<std::string> arguments(int argc, char *argv[])
{
    return std::vector<std::string>(argv, argv + argc);
}

Read read(const std::string &path, Sources sources, HeadCheck mayBeginCode, const Blocks &take)
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
    return readAll(file.get(), status, mayBeginCode, take);
}

Read readStandardInput(HeadCheck mayBeginCode, const Blocks &take)
{
    if (standardStreamClosed(0))
        return {Read::Failed, {}, reasonFor(EBADF)};
    struct stat status;
    if (::fstat(STDIN_FILENO, &status) != 0)
        return {Read::Failed, {}, reasonFor(errno)};
    if (S_ISDIR(status.st_mode))
        return {Read::Failed, {}, reasonFor(EISDIR)};
    return readAll(STDIN_FILENO, status, mayBeginCode, take);
}

Destination destinationOf(const std::string &path, Targets targets)
{
    Destination destination;
    if (targets == Targets::Streams) {
        if (const std::optional<int> fd = descriptorNamedBy(path)) {
            if (standardStreamClosed(*fd))
                destination.refused = reasonFor(EBADF);
            else
                destination.stream = std::make_unique<LinuxFile>(*fd, false);
            return destination;
        }
    }
    auto target = std::make_unique<LinuxTarget>();
    if (auto failure = resolve(path, *target)) {
        destination.refused = *failure;
        return destination;
    }
    if (!target->status || S_ISREG(target->status->st_mode)) {
        destination.file = std::move(target);
    } else if (targets == Targets::Streams && isStream(target->status->st_mode)) {
        destination.stream = owned(::openat(target->folder.get(), target->fileName.c_str(),
                                            O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
        if (!destination.stream)
            destination.refused = reasonFor(errno);
    } else {
        destination.refused = notAFile(target->status->st_mode);
    }
    return destination;
}

bool standardOutputIsTerminal()
{
    return !standardStreamClosed(1) && ::isatty(STDOUT_FILENO) == 1;
}

bool standardErrorIsTerminal()
{
    return !standardStreamClosed(2) && ::isatty(STDERR_FILENO) == 1;
}

std::unique_ptr<OpenFile> standardStream(int stream)
{
    return std::make_unique<LinuxFile>(stream, false);
}

std::filesystem::path fileSystemPath(const std::string &path)
{
    return path;
}

std::string pathString(const std::filesystem::path &path)
{
    return path.native();
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
    if (standardStreamClosed(0) || ::fstat(STDIN_FILENO, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return identityOf(status);
}

} // namespace CodeFile
