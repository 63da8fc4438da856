#include "codefile.h"
#include "codefile_reading.h"

#include <windows.h>
#include <sddl.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

// Windows names files in UTF-16; every path here arrives as UTF-8 and is
// opened with the wide functions, so that any name works whatever the ANSI
// code page. The messages are the ones the Linux program gives, so that a
// script or a player reads the same words on both.
namespace {

bool standardStreamClosed[3] = {false, false, false};

std::string reasonFor(int error)
{
    return std::strerror(error);
}

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

std::int64_t readSome(HANDLE handle, char *into, std::size_t size, std::string &reason)
{
    DWORD count = 0;
    const DWORD asked = DWORD(std::min<std::size_t>(size, std::size_t(1) << 30));
    if (ReadFile(handle, into, asked, &count, nullptr))
        return count;
    const DWORD error = GetLastError();
    // The writer of a pipe is gone: its end, not a failure.
    if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF)
        return 0;
    reason = reasonForSystem(error);
    return -1;
}

CodeFile::Read readAll(HANDLE handle, CodeFile::HeadCheck mayBeginCode)
{
    std::optional<std::uint64_t> regularSize;
    LARGE_INTEGER size;
    if (GetFileType(handle) == FILE_TYPE_DISK && GetFileSizeEx(handle, &size))
        regularSize = std::uint64_t(size.QuadPart);
    const auto readFrom = [handle](char *into, std::size_t count, std::string &reason) {
        return readSome(handle, into, count, reason);
    };
    return CodeFile::readWhole(readFrom, regularSize, mayBeginCode);
}

std::optional<std::string> writeAll(HANDLE handle, std::string_view bytes)
{
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD asked = DWORD(std::min<std::size_t>(bytes.size(), std::size_t(1) << 30));
        if (!WriteFile(handle, bytes.data(), asked, &written, nullptr))
            return lastReason();
        bytes.remove_prefix(written);
    }
    return std::nullopt;
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

// ".NAME.saving-XXXXXX" beside the file; NTFS takes 255 UTF-16 units.
std::wstring temporaryNameFor(const std::wstring &path)
{
    // MinGW's random_device gives every run the same numbers; the clock and
    // the process tell two runs apart.
    static std::mt19937 random = [] {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        std::seed_seq seed{std::uint32_t(now.QuadPart), std::uint32_t(now.QuadPart >> 32),
                           std::uint32_t(GetCurrentProcessId()), std::random_device{}()};
        return std::mt19937(seed);
    }();
    static constexpr wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    auto [folder, name] = splitPath(path);
    std::wstring suffix = L".saving-";
    for (int i = 0; i < 6; ++i)
        suffix += letters[random() % (std::size(letters) - 1)];
    std::size_t kept = std::min(name.size(), 255 - 1 - suffix.size());
    if (kept > 0 && kept < name.size() && IS_HIGH_SURROGATE(name[kept - 1]))
        --kept;
    return folder + L"." + name.substr(0, kept) + suffix;
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
};

class PendingTemporary
{
public:
    PendingTemporary() : mPending(Pending::instance()) {}
    ~PendingTemporary() { watch(std::wstring()); }
    PendingTemporary(const PendingTemporary &) = delete;
    PendingTemporary &operator=(const PendingTemporary &) = delete;

    // Named before it is created, so that no moment is left uncovered.
    void watch(const std::wstring &name)
    {
        EnterCriticalSection(&mPending.lock);
        mPending.name = name;
        LeaveCriticalSection(&mPending.lock);
    }
    // Runs step (the new file taking its name) with the handler held off,
    // and forgets the file once it has a name of its own.
    template<typename Step>
    auto whileHeld(Step step)
    {
        EnterCriticalSection(&mPending.lock);
        auto result = step();
        LeaveCriticalSection(&mPending.lock);
        return result;
    }

private:
    Pending &mPending;
};

// Creates the temporary file beside path, which no one else may open while
// this program holds it (it shares nothing but its removal), with the
// security every new file in the folder gets.
std::optional<std::string> createTemporary(const std::wstring &path, PendingTemporary &pending, Handle &file,
                                           std::wstring &name)
{
    for (int attempt = 0;; ++attempt) {
        name = temporaryNameFor(path);
        pending.watch(name);
        HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            file.reset(handle);
            return std::nullopt;
        }
        pending.watch(std::wstring());
        if (GetLastError() != ERROR_FILE_EXISTS || attempt == 100)
            return lastReason();
    }
}

const char changedMeanwhile[] = "the file changed while the code was being saved; it was left as it was";

// Under Wine a file's permissions are Linux's mode bits, which Windows
// security maps onto only coarsely (the group always gets what the owner
// gets): security set through Windows would not come back as it was.
bool underWine()
{
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

bool rewind(HANDLE file)
{
    LARGE_INTEGER start{};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) != 0;
}

std::optional<std::string> copyAll(HANDLE from, HANDLE to)
{
    std::string block(std::size_t(64) << 10, '\0');
    std::string reason;
    for (;;) {
        const std::int64_t count = readSome(from, block.data(), block.size(), reason);
        if (count < 0)
            return reason;
        if (count == 0)
            return std::nullopt;
        if (auto failure = writeAll(to, std::string_view(block.data(), std::size_t(count))))
            return failure;
    }
}

std::optional<std::string> overwrite(HANDLE file, std::string_view bytes)
{
    if (!rewind(file) || !SetEndOfFile(file))
        return lastReason();
    if (auto failure = writeAll(file, bytes))
        return failure;
    if (!FlushFileBuffers(file))
        return lastReason();
    return std::nullopt;
}

// Rewrites the file itself, for what a new file in its place would not
// keep: its other names (hard links), or security the saver may not set or
// read. The old bytes are copied aside first and put back if the write
// fails, and Ctrl+C waits until that is done, so the file is never left
// half-written.
std::optional<std::string> rewriteInPlace(const std::wstring &path, std::string_view bytes)
{
    Handle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return openFailure(path);
    PendingTemporary pending;
    Handle copy;
    std::wstring copyName;
    if (auto failure = createTemporary(path, pending, copy, copyName))
        return "cannot keep a copy of the old code: " + *failure;
    auto failed = [&](std::string reason) -> std::optional<std::string> {
        copy.reset(INVALID_HANDLE_VALUE);
        removeTemporary(copyName);
        return reason;
    };
    if (const std::optional<Security> mine = privateSecurity();
        !mine || !SetFileSecurityW(copyName.c_str(), DACL_SECURITY_INFORMATION, mine->get()))
        return failed("cannot keep a copy of the old code: " + lastReason());
    if (auto failure = copyAll(file.get(), copy.get()); failure || !FlushFileBuffers(copy.get()))
        return failed("cannot keep a copy of the old code: " + (failure ? *failure : lastReason()));

    bool copyKept = false;
    std::optional<std::string> failure = pending.whileHeld([&] {
        std::optional<std::string> failure = overwrite(file.get(), bytes);
        if (failure) {
            const bool restored = rewind(copy.get()) && rewind(file.get()) && SetEndOfFile(file.get())
                && !copyAll(copy.get(), file.get()) && FlushFileBuffers(file.get());
            if (!restored) {
                copyKept = true; // the only copy of the old code now
                pending.watch(std::wstring());
                failure = *failure + "; the old code is kept in " + narrow(copyName);
            }
        }
        return failure;
    });
    if (!copyKept)
        failed(std::string());
    return failure;
}

struct OldFile
{
    Security security;
    DWORD attributes;
};

// What the old file keeps, or nothing when a new file could not keep it,
// for the file to be rewritten in place instead.
std::optional<OldFile> keptOf(const std::wstring &path)
{
    std::optional<Security> security = securityOf(path);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (!security || attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    Handle file(CreateFileW(path.c_str(), 0, shareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &information) || information.nNumberOfLinks > 1)
        return std::nullopt;
    return OldFile{std::move(*security), attributes};
}

// Every byte goes to a new file beside the old one and reaches the disk;
// the new file takes the old one's security and attributes, and only then
// its name. Any failure on the way removes the new file and leaves the old
// one untouched. What it keeps is checked once it has the name: ReplaceFileW
// is meant to keep the same, but not every system's does.
std::optional<std::string> replace(const std::wstring &path, std::string_view bytes, bool replacing)
{
    std::optional<OldFile> old;
    if (replacing && !(old = keptOf(path)))
        return rewriteInPlace(path, bytes);

    PendingTemporary pending;
    Handle file;
    std::wstring temporary;
    if (auto failure = createTemporary(path, pending, file, temporary))
        return failure;
    auto failed = [&](std::string reason) -> std::optional<std::string> {
        file.reset(INVALID_HANDLE_VALUE);
        removeTemporary(temporary);
        return reason;
    };
    auto rewriteInstead = [&] {
        failed(std::string());
        pending.watch(std::wstring());
        return rewriteInPlace(path, bytes);
    };
    // A new file has the security every new file in the folder gets; so
    // does the old one, most often, and then the new file keeps it.
    const bool ownSecurity = old && !sameSecurity(temporary, old->security);
    if (ownSecurity && underWine())
        return rewriteInstead();
    if (ownSecurity) {
        const std::optional<Security> mine = privateSecurity();
        if (!mine || !SetFileSecurityW(temporary.c_str(), DACL_SECURITY_INFORMATION, mine->get()))
            return failed(lastReason());
    }
    if (auto failure = writeAll(file.get(), bytes))
        return failed(*failure);
    if (!FlushFileBuffers(file.get()))
        return failed(lastReason());
    if (ownSecurity && giveSecurity(temporary, old->security))
        return rewriteInstead();
    if (old && !SetFileAttributesW(temporary.c_str(), (old->attributes & keptAttributes) | FILE_ATTRIBUTE_NORMAL))
        return failed(lastReason());
    if (!file.release())
        return failed(lastReason());

    const auto takeName = [&]() -> DWORD {
        // A new file never takes the place of one that appeared meanwhile.
        if (!old)
            return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) ? ERROR_SUCCESS : GetLastError();
        if (ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        // The old file is gone and the new one still has its temporary
        // name: give it the name, or the code just saved would be lost too.
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT
            && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return ERROR_SUCCESS;
        return error;
    };
    const DWORD error = pending.whileHeld([&] {
        const DWORD result = takeName();
        if (result == ERROR_SUCCESS || result == ERROR_UNABLE_TO_MOVE_REPLACEMENT)
            pending.watch(std::wstring());
        return result;
    });
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT)
        return reasonForSystem(error) + "; the new code is kept in " + narrow(temporary);
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return failed(changedMeanwhile);
    if (error != ERROR_SUCCESS)
        return failed(reasonForSystem(error));
    if (old && !sameSecurity(path, old->security)
        && (giveSecurity(path, old->security) || !sameSecurity(path, old->security)))
        return "the code is saved, but the file's owner and permissions could not be kept: " + lastReason();
    return std::nullopt;
}

std::optional<CodeFile::Identity> identityOf(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(handle, &information))
        return std::nullopt;
    return CodeFile::Identity{information.dwVolumeSerialNumber,
                              (std::uint64_t(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

HANDLE standardHandle(int stream)
{
    if (standardStreamClosed[stream])
        return INVALID_HANDLE_VALUE;
    return GetStdHandle(stream == 0 ? STD_INPUT_HANDLE : stream == 1 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

} // namespace

namespace CodeFile {

// Codes go in and out as they are: the C library's text mode would turn a
// line end into "\r\n" on the way out and drop a "\r" on the way in.
void reserveStandardStreams()
{
    for (int stream = 0; stream <= 2; ++stream) {
        const HANDLE handle = standardHandle(stream);
        standardStreamClosed[stream] = handle == nullptr || handle == INVALID_HANDLE_VALUE;
        // A program without a console (the window) has no such stream, and
        // the C library ends a program asked about one it does not have.
        if (!standardStreamClosed[stream])
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

Read read(const std::string &path, Sources sources, HeadCheck mayBeginCode)
{
    const std::optional<std::wstring> name = wide(path);
    if (!name)
        return {Read::Failed, {}, reasonFor(EILSEQ)};
    Handle file(CreateFileW(name->c_str(), GENERIC_READ, shareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return {Read::Failed, {}, openFailure(*name)};
    if (sources == Sources::RegularFiles && GetFileType(file.get()) != FILE_TYPE_DISK)
        return {Read::Refused, {}, "it is a device or a pipe, not a file"};
    return readAll(file.get(), mayBeginCode);
}

Read readStandardInput(HeadCheck mayBeginCode)
{
    const HANDLE input = standardHandle(0);
    if (input == nullptr || input == INVALID_HANDLE_VALUE)
        return {Read::Failed, {}, reasonFor(EBADF)};
    return readAll(input, mayBeginCode);
}

std::optional<std::string> write(const std::string &path, std::string_view bytes, Targets targets)
{
    const std::optional<std::wstring> given = wide(path);
    if (!given)
        return reasonFor(EILSEQ);
    if (given->empty() || splitPath(*given).second.empty())
        return reasonFor(given->empty() ? ENOENT : EISDIR);
    const std::optional<std::wstring> name = fullPath(*given);
    if (!name)
        return lastReason();
    const DWORD attributes = GetFileAttributesW(name->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return reasonFor(EISDIR);
        // Windows' own mark for a file not to be changed.
        if (attributes & FILE_ATTRIBUTE_READONLY)
            return reasonFor(EACCES);
    } else if (GetLastError() == ERROR_FILE_NOT_FOUND) {
        return replace(*name, bytes, false);
    }
    // A device ("NUL", "CON") or a pipe is written through; a file is
    // replaced whole.
    Handle existing(CreateFileW(name->c_str(), GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!existing.valid())
        return openFailure(*name);
    if (GetFileType(existing.get()) == FILE_TYPE_DISK) {
        existing.release();
        return replace(*name, bytes, true);
    }
    if (targets != Targets::Streams)
        return "it is a device or a pipe, not a file";
    if (auto failure = writeAll(existing.get(), bytes))
        return failure;
    if (!existing.release())
        return lastReason();
    return std::nullopt;
}

std::optional<std::string> writeStandardOutput(std::string_view bytes)
{
    const HANDLE output = standardHandle(1);
    if (output == nullptr || output == INVALID_HANDLE_VALUE)
        return reasonFor(EBADF);
    return writeAll(output, bytes);
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
    if (input == nullptr || input == INVALID_HANDLE_VALUE || GetFileType(input) != FILE_TYPE_DISK)
        return std::nullopt;
    return identityOf(input);
}

} // namespace CodeFile
