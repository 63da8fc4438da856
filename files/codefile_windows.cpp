// How Windows opens, renames and keeps files, for the file layer's rules
// (codefile.cpp). Windows names files in UTF-16; every path here arrives as
// UTF-8, is found once as a full path and opened with the wide functions,
// so that any name works whatever the ANSI code page. A replaced file keeps
// the old one's owner, group, permissions (DACL) and attributes, set here
// and checked once it has the name. The messages are the ones the Linux
// program gives, so that a script or a player reads the same words on both.
#include "codefile_p.h"

#include <windows.h>
#include <sddl.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>
#include <vector>

namespace CodeFile {

namespace {

std::string narrow(const std::wstring &wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// The words of the C library for the Windows errors a read or a save meets;
// the system's own text for anything else.
std::string reasonForSystem(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME:
        return reasonFor(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_PRIVILEGE_NOT_HELD:
        return reasonFor(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return reasonFor(ENOSPC);
    case ERROR_WRITE_PROTECT:
        return reasonFor(EROFS);
    case ERROR_FILENAME_EXCED_RANGE:
        return reasonFor(ENAMETOOLONG);
    case ERROR_DIRECTORY:
        return reasonFor(ENOTDIR);
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return reasonFor(ENOMEM);
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return reasonFor(EPIPE);
    case ERROR_INVALID_HANDLE:
        return reasonFor(EBADF);
    }
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::string reason = "system error " + std::to_string(error);
    if (length > 0) {
        std::wstring wide(text, length);
        while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.'))
            wide.pop_back();
        reason = narrow(wide);
    }
    LocalFree(text);
    return reason;
}

std::string lastReason()
{
    return reasonForSystem(GetLastError());
}

// The UTF-16 name of a UTF-8 path; nothing when the bytes are not UTF-8.
std::optional<std::wstring> wide(const std::string &path)
{
    if (path.empty())
        return std::wstring();
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), int(path.size()), nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::wstring name(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), int(path.size()), name.data(), size);
    return name;
}

// The full path of a name as the user gave it ("out.txt", ".\out.txt",
// "..\sub\out.txt", "C:out.txt" in the current folder of drive C), found
// once, so that the temporary file and the swap name the same file whatever
// the current folder. Beyond MAX_PATH (with room for the temporary name) it
// takes the "\\?\" form, which has no such limit. A device comes back as
// "\\.\NUL".
std::optional<std::wstring> fullPath(const std::wstring &name)
{
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(name.c_str(), DWORD(full.size()), full.data(), nullptr);
        if (length == 0)
            return std::nullopt;
        const bool fitted = length < full.size();
        full.resize(length);
        if (fitted)
            break;
    }
    const auto startsWith = [&full](const wchar_t *start) { return full.rfind(start, 0) == 0; };
    constexpr std::size_t temporaryLength = 1 + 8 + 6; // ".", ".saving-", six letters
    if (full.size() + temporaryLength < MAX_PATH || startsWith(L"\\\\?\\") || startsWith(L"\\\\.\\"))
        return full;
    if (startsWith(L"\\\\"))
        return L"\\\\?\\UNC\\" + full.substr(2); // \\server\share\...
    return L"\\\\?\\" + full;
}

// Closes a handle when it goes out of scope.
class Handle
{
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : mHandle(handle) {}
    ~Handle()
    {
        if (valid())
            CloseHandle(mHandle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    void reset(HANDLE handle)
    {
        if (valid())
            CloseHandle(mHandle);
        mHandle = handle;
    }
    bool valid() const { return mHandle != INVALID_HANDLE_VALUE && mHandle != nullptr; }
    HANDLE get() const { return mHandle; }
    // Closes now and says whether that went well.
    bool release() { return CloseHandle(std::exchange(mHandle, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE mHandle;
};

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool isFolder(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Why a path could not be opened: a folder says so, as on Linux, where
// Windows only says access is denied.
std::string openFailure(const std::wstring &path)
{
    const DWORD error = GetLastError();
    return isFolder(path) ? reasonFor(EISDIR) : reasonForSystem(error);
}

// The folder part of a path and its file name, split on either slash; a
// drive ("C:name") counts as a folder.
std::pair<std::wstring, std::wstring> splitPath(const std::wstring &path)
{
    std::size_t cut = path.find_last_of(L"\\/");
    if (cut == std::wstring::npos && path.size() >= 2 && path[1] == L':')
        cut = 1;
    if (cut == std::wstring::npos)
        return {std::wstring(), path};
    return {path.substr(0, cut + 1), path.substr(cut + 1)};
}

// A security descriptor the system allocated, freed when it goes.
class Security
{
public:
    Security() = default;
    explicit Security(PSECURITY_DESCRIPTOR descriptor) : mDescriptor(descriptor) {}
    ~Security() { LocalFree(mDescriptor); }
    Security(Security &&other) noexcept : mDescriptor(std::exchange(other.mDescriptor, nullptr)) {}
    Security &operator=(Security &&other) noexcept
    {
        std::swap(mDescriptor, other.mDescriptor);
        return *this;
    }
    PSECURITY_DESCRIPTOR get() const { return mDescriptor; }

private:
    PSECURITY_DESCRIPTOR mDescriptor = nullptr;
};

// What a replaced file keeps of its security: its owner, group and
// permissions (the DACL). The audit list (SACL) takes a privilege to read
// and is the system's, not the saver's.
constexpr SECURITY_INFORMATION keptSecurity =
    OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
// What a replaced file keeps of its attributes; read-only files are refused
// before, and the others (compressed, encrypted, sparse) go with the data.
constexpr DWORD keptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::optional<Security> securityOf(const std::wstring &path)
{
    // A self-relative copy, in a buffer of the system's own allocation, so
    // that Security can hold it whatever gave it.
    DWORD size = 0;
    GetFileSecurityW(path.c_str(), keptSecurity, nullptr, 0, &size);
    if (size == 0)
        return std::nullopt;
    Security security(LocalAlloc(LMEM_FIXED, size));
    if (!security.get() || !GetFileSecurityW(path.c_str(), keptSecurity, security.get(), size, &size))
        return std::nullopt;
    return security;
}

// A descriptor as text, to compare two of them.
std::wstring textOf(const Security &security)
{
    wchar_t *text = nullptr;
    if (!ConvertSecurityDescriptorToStringSecurityDescriptorW(security.get(), SDDL_REVISION_1, keptSecurity, &text,
                                                              nullptr))
        return std::wstring();
    std::wstring copy(text);
    LocalFree(text);
    return copy;
}

bool sameSecurity(const std::wstring &path, const Security &wanted)
{
    const std::optional<Security> now = securityOf(path);
    return now && textOf(*now) == textOf(wanted);
}

// Only the saver may do anything with it, so that nobody sees a byte of a
// code whose file others may not read.
std::optional<Security> privateSecurity()
{
    Handle token;
    HANDLE handle = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &handle))
        return std::nullopt;
    token.reset(handle);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<char> user(size);
    wchar_t *sid = nullptr;
    if (size == 0 || !GetTokenInformation(token.get(), TokenUser, user.data(), size, &size)
        || !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(user.data())->User.Sid, &sid))
        return std::nullopt;
    const std::wstring text = L"D:P(A;;FA;;;" + std::wstring(sid) + L")";
    LocalFree(sid);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(text.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        return std::nullopt;
    return Security(descriptor);
}

// Puts the old file's security on the new one. Owner and group are only set
// where they differ, since setting even one's own takes a right a saver may
// lack. Says why not.
std::optional<std::string> giveSecurity(const std::wstring &path, const Security &security)
{
    SECURITY_INFORMATION what = DACL_SECURITY_INFORMATION;
    const std::optional<Security> now = securityOf(path);
    PSID owner = nullptr, nowOwner = nullptr, group = nullptr, nowGroup = nullptr;
    BOOL defaulted = FALSE;
    GetSecurityDescriptorOwner(security.get(), &owner, &defaulted);
    GetSecurityDescriptorGroup(security.get(), &group, &defaulted);
    if (now) {
        GetSecurityDescriptorOwner(now->get(), &nowOwner, &defaulted);
        GetSecurityDescriptorGroup(now->get(), &nowGroup, &defaulted);
    }
    if (owner && !(nowOwner && EqualSid(owner, nowOwner)))
        what |= OWNER_SECURITY_INFORMATION;
    if (group && !(nowGroup && EqualSid(group, nowGroup)))
        what |= GROUP_SECURITY_INFORMATION;
    if (!SetFileSecurityW(path.c_str(), what, security.get()))
        return lastReason();
    return std::nullopt;
}

// Removes a temporary file, also when its own security or a read-only mark
// is what stands in the way.
void removeTemporary(const std::wstring &path)
{
    if (DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
        return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileW(path.c_str()))
        return;
    if (const std::optional<Security> mine = privateSecurity())
        SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, mine->get());
    DeleteFileW(path.c_str());
}

std::optional<Identity> identityOf(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(handle, &information))
        return std::nullopt;
    return Identity{information.dwVolumeSerialNumber,
                              (std::uint64_t(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}


// A handle as the rules use it; one the program was given (a standard
// stream) is never closed here.
class WindowsFile : public OpenFile
{
public:
    WindowsFile(HANDLE handle, bool owned) : mHandle(owned ? handle : INVALID_HANDLE_VALUE), mBorrowed(owned ? nullptr : handle) {}
    HANDLE get() const { return mBorrowed ? mBorrowed : mHandle.get(); }

    std::int64_t readSome(char *into, std::size_t size, std::string &reason) override
    {
        DWORD count = 0;
        if (ReadFile(get(), into, DWORD(std::min<std::size_t>(size, std::size_t(1) << 30)), &count, nullptr))
            return count;
        const DWORD error = GetLastError();
        // The writer of a pipe is gone: its end, not a failure.
        if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF)
            return 0;
        reason = reasonForSystem(error);
        return -1;
    }
    std::int64_t writeSome(const char *bytes, std::size_t size, std::string &reason) override
    {
        DWORD written = 0;
        if (WriteFile(get(), bytes, DWORD(std::min<std::size_t>(size, std::size_t(1) << 30)), &written, nullptr))
            return written;
        reason = lastReason();
        return -1;
    }
    std::optional<std::string> sync() override
    {
        return FlushFileBuffers(get()) ? std::nullopt : std::optional(lastReason());
    }
    std::optional<std::string> rewind() override
    {
        const LARGE_INTEGER start{};
        return SetFilePointerEx(get(), start, nullptr, FILE_BEGIN) ? std::nullopt : std::optional(lastReason());
    }
    std::optional<std::string> truncate() override
    {
        if (auto failure = rewind())
            return failure;
        return SetEndOfFile(get()) ? std::nullopt : std::optional(lastReason());
    }
    std::optional<std::string> close() override
    {
        if (mBorrowed || !mHandle.valid())
            return std::nullopt;
        return mHandle.release() ? std::nullopt : std::optional(lastReason());
    }

private:
    Handle mHandle;
    HANDLE mBorrowed;
};

std::unique_ptr<OpenFile> owned(HANDLE handle)
{
    return handle != INVALID_HANDLE_VALUE ? std::make_unique<WindowsFile>(handle, true) : nullptr;
}

HANDLE handleOf(OpenFile &file)
{
    return static_cast<WindowsFile &>(file).get();
}

// Under Wine a file's permissions are Linux's mode bits, which Windows
// security maps onto only coarsely (the group always gets what the owner
// gets): security set through Windows would not come back as it was.
bool underWine()
{
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

// The file a save writes, found once as a full path, with what it keeps.
class WindowsTarget : public SaveTarget
{
public:
    std::wstring path;     // full
    std::wstring folder;   // with its last separator
    std::string fileName;  // UTF-8
    bool existing = false;
    std::optional<Security> old;
    DWORD oldAttributes = 0;
    bool ownSecurity = false; // the old file's security is not what the folder gives new files

    bool exists() const override { return existing; }
    const std::string &name() const override { return fileName; }
    // NTFS takes 255 UTF-16 units.
    std::size_t longestName() const override { return 255; }
    std::size_t lengthOf(std::string_view name) const override
    {
        return std::size_t(std::max(0, MultiByteToWideChar(CP_UTF8, 0, name.data(), int(name.size()), nullptr, 0)));
    }

    // No one else may open it while this program holds it: it shares
    // nothing but its removal. It has the security every new file in the
    // folder gets.
    std::unique_ptr<OpenFile> createBeside(const std::string &name, std::string &reason, bool &alreadyThere) override
    {
        const HANDLE handle = CreateFileW(beside(name).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        alreadyThere = handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS;
        if (handle == INVALID_HANDLE_VALUE)
            reason = lastReason();
        return owned(handle);
    }
    void removeBeside(const std::string &name) override { removeTemporary(beside(name)); }
    std::string shownPath(const std::string &name) const override { return narrow(beside(name)); }
    std::optional<std::string> makePrivate(OpenFile &, const std::string &name) override
    {
        const std::optional<Security> mine = privateSecurity();
        if (!mine || !SetFileSecurityW(beside(name).c_str(), DACL_SECURITY_INFORMATION, mine->get()))
            return lastReason();
        return std::nullopt;
    }

    // What the saver may not read of it, and its other names (hard links),
    // a new file could not keep.
    Keeping canBeReplaced() override
    {
        old = securityOf(path);
        oldAttributes = GetFileAttributesW(path.c_str());
        Handle file(CreateFileW(path.c_str(), 0, shareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        BY_HANDLE_FILE_INFORMATION information;
        const bool known = old && oldAttributes != INVALID_FILE_ATTRIBUTES && file.valid()
            && GetFileInformationByHandle(file.get(), &information);
        return known && information.nNumberOfLinks == 1 ? Keeping::Kept : Keeping::Lost;
    }
    // The old file's security is most often what the folder gives every new
    // file, and the new one has it already. Otherwise the new file is made
    // private before a byte is written, and gets it once they all are.
    Keeping prepareReplacement(OpenFile &file, const std::string &name) override
    {
        if (!existing)
            return Keeping::Kept;
        ownSecurity = !sameSecurity(beside(name), *old);
        if (ownSecurity && underWine())
            return Keeping::Lost;
        return ownSecurity && makePrivate(file, name) ? Keeping::Lost : Keeping::Kept;
    }
    Keeping finishReplacement(OpenFile &, const std::string &name, std::string &failure) override
    {
        if (!existing)
            return Keeping::Kept;
        if (ownSecurity && giveSecurity(beside(name), *old))
            return Keeping::Lost;
        if (!SetFileAttributesW(beside(name).c_str(), (oldAttributes & keptAttributes) | FILE_ATTRIBUTE_NORMAL))
            failure = lastReason();
        return Keeping::Kept;
    }
    std::optional<std::string> takePlace(const std::string &name, bool &kept) override
    {
        const std::wstring temporary = beside(name);
        if (!existing) {
            if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
                return std::nullopt;
            const DWORD error = GetLastError();
            return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? changedMeanwhile : reasonForSystem(error);
        }
        if (ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return std::nullopt;
        const DWORD error = GetLastError();
        if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT)
            return reasonForSystem(error);
        // The old file is gone and the new one still has its temporary
        // name: give it the name, or the code just saved would be lost too.
        if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return std::nullopt;
        kept = true;
        return reasonForSystem(error) + "; the new code is kept in " + narrow(temporary);
    }
    // ReplaceFileW is meant to keep the old file's security, but not every
    // system's does: what the file has now is checked, and set again.
    std::optional<std::string> afterPlace() override
    {
        if (existing && !sameSecurity(path, *old) && (giveSecurity(path, *old) || !sameSecurity(path, *old)))
            return "the code is saved, but the file's owner and permissions could not be kept: " + lastReason();
        return std::nullopt;
    }
    std::unique_ptr<OpenFile> openItself(bool forWriting, std::string &reason) override
    {
        const HANDLE handle = CreateFileW(path.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ, shareAll, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            reason = openFailure(path);
        return owned(handle);
    }

private:
    std::wstring beside(const std::string &name) const { return folder + wide(name).value_or(std::wstring()); }
};

// The temporary file being written, for the console's Ctrl+C, Ctrl+Break
// and close to remove if the program is stopped meanwhile. The handler runs
// on a thread of its own; the lock keeps it from removing a file that is
// taking its place, and once it has the lock the program ends holding it.
struct Pending
{
    CRITICAL_SECTION lock;
    std::wstring name;
    Pending()
    {
        InitializeCriticalSection(&lock);
        SetConsoleCtrlHandler(removePendingAndStop, TRUE);
    }
    static BOOL WINAPI removePendingAndStop(DWORD)
    {
        Pending &pending = instance();
        EnterCriticalSection(&pending.lock);
        if (!pending.name.empty())
            removeTemporary(pending.name);
        // Ended here, with the lock still held, and as Windows ends a
        // program stopped by Ctrl+C, so that no one takes it for a success.
        ExitProcess(STATUS_CONTROL_C_EXIT);
    }
    static Pending &instance()
    {
        static Pending pending;
        return pending;
    }
    void set(std::wstring watched)
    {
        EnterCriticalSection(&lock);
        name = std::move(watched);
        LeaveCriticalSection(&lock);
    }
};

HANDLE standardHandle(int stream)
{
    if (standardStreamClosed(stream))
        return INVALID_HANDLE_VALUE;
    return GetStdHandle(stream == 0 ? STD_INPUT_HANDLE : stream == 1 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool isOpen(HANDLE handle)
{
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

Read readAll(HANDLE handle, HeadCheck mayBeginCode, const Blocks &take)
{
    std::optional<std::uint64_t> regularSize;
    LARGE_INTEGER size;
    if (GetFileType(handle) == FILE_TYPE_DISK && GetFileSizeEx(handle, &size))
        regularSize = std::uint64_t(size.QuadPart);
    WindowsFile file(handle, false);
    const auto readFrom = [&file](char *into, std::size_t count, std::string &reason) {
        return file.readSome(into, count, reason);
    };
    return readWhole(readFrom, regularSize, mayBeginCode, take);
}

} // namespace

StopGuard::StopGuard()
{
    Pending::instance();
}

StopGuard::~StopGuard()
{
    forget();
}

void StopGuard::watch(const SaveTarget &target, const std::string &name)
{
    const auto &windowsTarget = static_cast<const WindowsTarget &>(target);
    Pending::instance().set(windowsTarget.folder + wide(name).value_or(std::wstring()));
}

void StopGuard::forget()
{
    Pending::instance().set(std::wstring());
}

std::optional<std::string> StopGuard::heldOff(const std::function<std::optional<std::string>()> &step)
{
    Pending &pending = Pending::instance();
    EnterCriticalSection(&pending.lock);
    std::optional<std::string> result = step();
    LeaveCriticalSection(&pending.lock);
    return result;
}

// Codes go in and out as they are: the C library's text mode would turn a
// line end into "\r\n" on the way out and drop a "\r" on the way in.
void reserveStandardStreams()
{
    for (int stream = 0; stream <= 2; ++stream) {
        // A program without a console (the window) has no such stream, and
        // the C library ends a program asked about one it does not have.
        if (!isOpen(standardHandle(stream)))
            markStandardStreamClosed(stream);
        else
            _setmode(stream, _O_BINARY);
    }
}

std::vector<std::string> arguments(int, char *[])
{
    int count = 0;
    wchar_t **wideArguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 0; i < count; ++i)
        utf8.push_back(narrow(wideArguments[i]));
    LocalFree(wideArguments);
    return utf8;
}

Read read(const std::string &path, Sources sources, HeadCheck mayBeginCode, const Blocks &take)
{
    const std::optional<std::wstring> name = wide(path);
    if (!name)
        return {Read::Failed, {}, reasonFor(EILSEQ)};
    Handle file(CreateFileW(name->c_str(), GENERIC_READ, shareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return {Read::Failed, {}, openFailure(*name)};
    if (sources == Sources::RegularFiles && GetFileType(file.get()) != FILE_TYPE_DISK)
        return {Read::Refused, {}, deviceOrPipe};
    return readAll(file.get(), mayBeginCode, take);
}

Read readStandardInput(HeadCheck mayBeginCode, const Blocks &take)
{
    const HANDLE input = standardHandle(0);
    if (!isOpen(input))
        return {Read::Failed, {}, reasonFor(EBADF)};
    return readAll(input, mayBeginCode, take);
}

Destination destinationOf(const std::string &path, Targets targets)
{
    Destination destination;
    const std::optional<std::wstring> given = wide(path);
    if (!given || given->empty() || splitPath(*given).second.empty()) {
        destination.refused = reasonFor(!given ? EILSEQ : given->empty() ? ENOENT : EISDIR);
        return destination;
    }
    auto target = std::make_unique<WindowsTarget>();
    const std::optional<std::wstring> full = fullPath(*given);
    if (!full) {
        destination.refused = lastReason();
        return destination;
    }
    target->path = *full;
    target->folder = splitPath(*full).first;
    target->fileName = narrow(splitPath(*full).second);
    const DWORD attributes = GetFileAttributesW(full->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // Windows' own mark for a file not to be changed.
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
            destination.refused = reasonFor(attributes & FILE_ATTRIBUTE_DIRECTORY ? EISDIR : EACCES);
            return destination;
        }
    } else if (GetLastError() == ERROR_FILE_NOT_FOUND) {
        destination.file = std::move(target);
        return destination;
    }
    // A device ("NUL", "CON") or a pipe is written through; a file, which
    // the saver may write, is replaced whole.
    std::unique_ptr<OpenFile> existing =
        owned(CreateFileW(full->c_str(), GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!existing) {
        destination.refused = openFailure(*full);
    } else if (GetFileType(handleOf(*existing)) == FILE_TYPE_DISK) {
        target->existing = true;
        destination.file = std::move(target);
    } else if (targets == Targets::Streams) {
        destination.stream = std::move(existing);
    } else {
        destination.refused = deviceOrPipe;
    }
    return destination;
}

std::unique_ptr<OpenFile> standardStream(int stream)
{
    return std::make_unique<WindowsFile>(standardHandle(stream), false);
}

bool standardOutputIsTerminal()
{
    DWORD mode = 0;
    return isOpen(standardHandle(1)) && GetConsoleMode(standardHandle(1), &mode);
}

bool standardErrorIsTerminal()
{
    DWORD mode = 0;
    return isOpen(standardHandle(2)) && GetConsoleMode(standardHandle(2), &mode);
}

// The library's UTF-8 form of a path, not the ANSI code page's.
std::filesystem::path fileSystemPath(const std::string &path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string pathString(const std::filesystem::path &path)
{
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::optional<Identity> identity(const std::string &path)
{
    const std::optional<std::wstring> name = wide(path);
    if (!name || name->empty())
        return std::nullopt;
    // No access asked: only what the file is, even for one that may not be read.
    Handle file(CreateFileW(name->c_str(), 0, shareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return std::nullopt;
    return identityOf(file.get());
}

std::optional<Identity> standardInputIdentity()
{
    const HANDLE input = standardHandle(0);
    if (!isOpen(input) || GetFileType(input) != FILE_TYPE_DISK)
        return std::nullopt;
    return identityOf(input);
}

} // namespace CodeFile
