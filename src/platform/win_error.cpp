#include "platform/win_error.h"

#include <windows.h>

namespace pelin::platform {
namespace {

// Not in every SDK's headers.
constexpr DWORD kErrorDirectoryNotSupported = 336;  // ERROR_DIRECTORY_NOT_SUPPORTED
constexpr DWORD kErrorDiskQuotaExceeded = 1295;     // ERROR_DISK_QUOTA_EXCEEDED

// Windows says "path not found" both for a folder that is missing and for a file
// standing where a folder should be; the nearest part of the path that is there
// tells which.
bool fileOnTheWay(const std::filesystem::path& path) {
    for (std::filesystem::path part = path.parent_path(); !part.empty(); part = part.parent_path()) {
        const DWORD attributes = ::GetFileAttributesW(part.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        if (part == part.parent_path()) break;
    }
    return false;
}

}  // namespace

std::string utf8FromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::string systemMessage(unsigned long code) {
    wchar_t* buffer = nullptr;
    // Language 0: the user's language, else the system's, as Windows itself chooses.
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0) return "Windows error " + std::to_string(code);
    std::wstring_view text(buffer, length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.remove_suffix(1);  // Windows ends its messages with a line end
    std::string message = utf8FromWide(text);
    ::LocalFree(buffer);
    return message;
}

FileErrorKind windowsErrorKind(unsigned long code, const std::filesystem::path& path) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return FileErrorKind::NotFound;
    case ERROR_PATH_NOT_FOUND: return fileOnTheWay(path) ? FileErrorKind::NotFolder : FileErrorKind::NotFound;
    case ERROR_DIRECTORY: return FileErrorKind::NotFolder;
    case ERROR_ACCESS_DENIED:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD: return FileErrorKind::AccessDenied;
    case kErrorDirectoryNotSupported: return FileErrorKind::IsFolder;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kErrorDiskQuotaExceeded: return FileErrorKind::DiskFull;
    case ERROR_WRITE_PROTECT: return FileErrorKind::ReadOnlyFileSystem;
    case ERROR_FILENAME_EXCED_RANGE: return FileErrorKind::NameTooLong;
    case ERROR_CANT_RESOLVE_FILENAME: return FileErrorKind::TooManyLinks;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
    case ERROR_BUSY: return FileErrorKind::Busy;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_IO_DEVICE:
    case ERROR_NOT_READY: return FileErrorKind::InputOutput;
    case ERROR_FILE_TOO_LARGE: return FileErrorKind::TooLarge;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return FileErrorKind::OutOfMemory;
    case ERROR_OPERATION_ABORTED: return FileErrorKind::Cancelled;
    default: return FileErrorKind::Other;
    }
}

FileError windowsError(const std::filesystem::path& path, unsigned long code) {
    return {path, systemMessage(code), windowsErrorKind(code, path)};
}

}  // namespace pelin::platform
