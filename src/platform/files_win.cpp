// Windows file calls: opening and reading a file, and the program's folder.
// Reading whole files is in input_file.cpp, replacing a file in replace_win.cpp.
#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/native_handle.h"
#include "platform/win_error.h"
#include "platform/win_files.h"

namespace pelin::platform {

namespace win {

FileError lastError(const std::filesystem::path& path) { return windowsError(path, ::GetLastError()); }

FileError openError(const std::filesystem::path& path) {
    const DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return fileError(path, FileErrorKind::IsFolder);
    return windowsError(path, error);
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

}  // namespace win

void closeNativeHandle(std::intptr_t handle) {
    if (handle != kNoHandle) ::CloseHandle(reinterpret_cast<HANDLE>(handle));
}

Result<InputFile> InputFile::open(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    // Windows cannot say what a name stands for without opening it, but opening
    // never waits: only reading a pipe or a device (the console, "CON") would.
    // So the handle is looked at before a byte is read, and only a file on a
    // disk is read.
    win::Handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) return win::openError(path);
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) return fileError(path, FileErrorKind::NotRegularFile);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info)) return win::lastError(path);
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return fileError(path, FileErrorKind::IsFolder);
    const std::uintmax_t size = (std::uintmax_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    if (size > maxBytes) return fileError(path, FileErrorKind::TooLarge);
    return InputFile(path, reinterpret_cast<std::intptr_t>(file.release()), size);
}

Result<std::size_t> InputFile::read(std::span<char> buffer) {
    const DWORD wanted = buffer.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(buffer.size());
    DWORD got = 0;
    if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), buffer.data(), wanted, &got, nullptr))
        return win::lastError(path_);
    return std::size_t{got};
}

Result<std::size_t> InputFile::readAt(std::uint64_t offset, std::span<char> buffer) {
    const DWORD wanted = buffer.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(buffer.size());
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), buffer.data(), wanted, &got, &at)) {
        if (::GetLastError() == ERROR_HANDLE_EOF) return std::size_t{0};
        return win::lastError(path_);
    }
    return std::size_t{got};
}

Result<> checkCanCreate(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = L".";
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return win::lastError(folder);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return fileError(folder, FileErrorKind::NotFolder);
    // Access lists decide, and only trying tells what they allow: a file that
    // goes away again as it is closed.
    static unsigned count = 0;
    const std::filesystem::path probe =
        folder / (L".pelin-probe-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(count++));
    win::Handle made(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!made.valid()) return win::lastError(folder);
    return {};
}

namespace {

// The volume and file index of what `path` names, links followed.
bool identify(const std::filesystem::path& path, FileKey& key) {
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const win::Handle opened(
        ::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!opened.valid() || !::GetFileInformationByHandle(opened.get(), &info)) return false;
    key.volume = info.dwVolumeSerialNumber;
    key.file = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    return true;
}

// A name as the file system compares it: letter case does not count.
std::filesystem::path caseless(const std::filesystem::path& name) {
    std::wstring upper = name.native();
    ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.c_str(), static_cast<int>(upper.size()), upper.data(),
                    static_cast<int>(upper.size()), nullptr, nullptr, 0);
    return upper;
}

}  // namespace

FileKey fileKey(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path whole = std::filesystem::absolute(path, ec);
    if (ec) whole = path;
    whole = whole.lexically_normal();
    FileKey key;
    if (identify(whole, key)) return key;
    if (identify(whole.parent_path(), key)) key.name = caseless(whole.filename());
    else key.name = caseless(whole);
    return key;
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
