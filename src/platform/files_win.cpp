// Windows file calls. Replacing a file goes through a temporary file in the same
// folder, written through to the disk, that ReplaceFileW (which keeps the old
// file's attributes and security) or MoveFileExW puts in the target's place.
#include <windows.h>

#include <atomic>
#include <string>

#include "platform/files.h"
#include "platform/win_error.h"

namespace pelin::platform {
namespace {

constexpr DWORD kErrorDirectoryNotSupported = 336;  // ERROR_DIRECTORY_NOT_SUPPORTED, not in every SDK's headers

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { if (valid()) ::CloseHandle(handle_); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = ::CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

FileError lastError(const std::filesystem::path& path) { return windowsError(path, ::GetLastError()); }

bool isFolder(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD piece = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), piece, &written, nullptr)) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Creates a new, empty file beside `path` that no one else has open,
// ".<name>.tmp-<process>-<count>", and names it in `temporary`; on failure the
// handle is invalid and GetLastError() says why.
HANDLE createTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& temporary) {
    static std::atomic<unsigned> count{0};
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = L".";
    const std::wstring stem =
        L"." + path.filename().native() + L".tmp-" + std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / (stem + std::to_wstring(count++));
        HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

// Puts the finished temporary file in the place of `path`. `old` holds the
// attributes of the file it replaces, INVALID_FILE_ATTRIBUTES when there is none.
bool moveIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path, DWORD old) {
    if (old != INVALID_FILE_ATTRIBUTES) {
        // Windows' ReplaceFileW keeps the old file's attributes, Wine's does not;
        // nor does Wine's take a relative path.
        constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                               FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if (old & kept) ::SetFileAttributesW(temporary.c_str(), old & kept);
        std::error_code ec;
        const std::filesystem::path whole = std::filesystem::absolute(path, ec);
        if (ec) {
            ::SetLastError(ERROR_BAD_PATHNAME);
            return false;
        }
        if (::ReplaceFileW(whole.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                           nullptr))
            return true;
        // A target that went away meanwhile is created as a missing one is.
        if (::GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    }
    return ::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

Result<std::string> readFile(const std::filesystem::path& path) {
    Handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) return isFolder(path) ? windowsError(path, kErrorDirectoryNotSupported) : lastError(path);
    // Only a file on a disk: a device such as the console ("CON") would wait for input.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) return windowsError(path, ERROR_NOT_SUPPORTED);
    std::string bytes;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.get(), &size)) bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return lastError(path);
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return bytes;
}

Result<> replaceFile(const std::filesystem::path& path, std::string_view bytes) {
    return replaceFileWith(path, [bytes](const ChunkWriter& write) { write(bytes); });
}

Result<> replaceFileWith(const std::filesystem::path& path,
                         const std::function<void(const ChunkWriter& write)>& produce) {
    // An existing file the user may not write to is refused, as opening it for
    // output would be; replacing it would silently bypass its protection.
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return windowsError(path, kErrorDirectoryNotSupported);
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) return windowsError(path, ERROR_ACCESS_DENIED);
    if (exists) {
        Handle target(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
        if (!target.valid()) return lastError(path);
    }

    std::filesystem::path temporary;
    Handle file(createTemporaryBeside(path, temporary));
    if (!file.valid()) return lastError(path);
    auto fail = [&](DWORD error) {
        if (file.valid()) file.close();
        ::DeleteFileW(temporary.c_str());
        return windowsError(path, error);
    };
    DWORD writeError = 0;
    produce([&](std::string_view chunk) {
        if (writeError == 0 && !writeAll(file.get(), chunk)) writeError = ::GetLastError();
    });
    if (writeError != 0) return fail(writeError);
    if (!::FlushFileBuffers(file.get())) return fail(::GetLastError());
    if (!file.close()) return fail(::GetLastError());
    if (!moveIntoPlace(temporary, path, attributes)) return fail(::GetLastError());
    return {};
}

std::optional<std::uintmax_t> fileLength(const std::filesystem::path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return std::nullopt;
    return (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::filesystem::path programFolder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return std::filesystem::current_path();
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name).parent_path();
        }
        name.resize(name.size() * 2);  // cut off: ask again with more room
    }
}

}  // namespace pelin::platform
