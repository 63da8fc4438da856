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
    static std::mt19937 random(std::random_device{}());
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

// Creates the temporary file. Replacing an existing file, it is private to
// the saver (ReplaceFileW gives it the old file's ACLs as it takes its
// place); a new file gets what the folder passes on, as any new file there.
std::optional<std::string> createTemporary(const std::wstring &path, bool replacing, Handle &file, std::wstring &name)
{
    PSECURITY_DESCRIPTOR onlyOwner = nullptr;
    if (replacing && !ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;OW)", SDDL_REVISION_1,
                                                                          &onlyOwner, nullptr))
        return lastReason();
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), onlyOwner, FALSE};
    std::optional<std::string> failure;
    for (int attempt = 0;; ++attempt) {
        name = temporaryNameFor(path);
        HANDLE handle = CreateFileW(name.c_str(), GENERIC_WRITE, 0, replacing ? &security : nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            file.reset(handle);
            break;
        }
        if (GetLastError() != ERROR_FILE_EXISTS || attempt == 100) {
            failure = lastReason();
            break;
        }
    }
    LocalFree(onlyOwner);
    return failure;
}

// Every byte goes to a new file beside the old one and reaches the disk;
// only then does it take the old one's name. ReplaceFileW keeps the old
// file's ACLs, attributes and creation time. Any failure on the way removes
// the new file and leaves the old one untouched.
std::optional<std::string> replace(const std::wstring &path, std::string_view bytes, bool replacing)
{
    Handle file;
    std::wstring temporary;
    if (auto failure = createTemporary(path, replacing, file, temporary))
        return failure;
    auto failed = [&](std::string reason) -> std::optional<std::string> {
        DeleteFileW(temporary.c_str());
        return reason;
    };
    if (auto failure = writeAll(file.get(), bytes))
        return failed(*failure);
    if (!FlushFileBuffers(file.get()))
        return failed(lastReason());
    if (!file.release())
        return failed(lastReason());
    if (!replacing) {
        if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return failed(lastReason());
        return std::nullopt;
    }
    if (ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return std::nullopt;
    const DWORD error = GetLastError();
    // The old file is gone and the new one still has its temporary name:
    // give it the name, or the code just saved would be lost as well.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT
        && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return std::nullopt;
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT)
        return reasonForSystem(error) + "; the new code is kept in " + narrow(temporary);
    return failed(reasonForSystem(error));
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
    const std::optional<std::wstring> name = wide(path);
    if (!name)
        return reasonFor(EILSEQ);
    if (name->empty() || splitPath(*name).second.empty())
        return reasonFor(name->empty() ? ENOENT : EISDIR);
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
