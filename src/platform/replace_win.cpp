// Replacing a file on Windows: the new content goes to a file of its own beside
// the target, which ReplaceFileW (keeping the old file's attributes, security and
// streams) or, for a new file, MoveFileExW then puts in the target's place.
//
// Windows has no file without a name, so the new file has a name of its own
// (".NAME.tmp-…") from the start; but until its content is complete it is marked
// for deletion, and the system removes it when the program ends in any way, even
// killed. The mark comes off just before the rename; an interrupt in that moment
// removes the file by its name (removeTemporaryFilesOnInterrupt), and one during
// the rename, or during the copy over a file written in place, waits for its end.
//
// The rules of files.h, as Windows has them:
//  - A link (symbolic link, junction, substituted drive) is followed by asking
//    the opened file for its final path. A link to a file that is not there is
//    refused: Windows would only replace the link itself.
//  - The old file's attributes, owner and access lists go to the new one, as
//    ReplaceFileW gives them.
//  - The file is written in place, after the new content is complete, when it
//    has further names (hard links) or when no file can be created in its folder
//    although the file itself may be written; the rights are tried, not read
//    from the access lists.
//  - A read-only file is refused, as is one that another program holds open
//    without letting others write, and folders, pipes and devices.
#include <windows.h>

#include <atomic>
#include <new>
#include <string>
#include <system_error>

#include "platform/files.h"
#include "platform/win_error.h"
#include "platform/win_files.h"

namespace pelin::platform {
namespace {

constexpr int kNameAttempts = 100;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::filesystem::path wholePath(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path whole = std::filesystem::absolute(path, ec);
    return ec ? path : whole;
}

// The file the handle has open, links followed; `opened` when the system
// cannot tell (some network drives).
std::filesystem::path finalPathOf(HANDLE handle, const std::filesystem::path& opened) {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()),
                                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return opened;
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(length);  // too small: `length` is the room needed
    }
}

// What a replacement finds at the path it is given.
struct Target {
    std::filesystem::path file;  // the file that changes, whole and with links followed
    bool exists = false;
    DWORD attributes = 0;
    DWORD links = 0;
};

Result<Target> examine(const std::filesystem::path& path) {
    Target target{wholePath(path)};
    // Opened for writing, as it will be written, so that whatever would refuse
    // the new content refuses it before anything is produced.
    win::Handle file(::CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        // A name that is there but leads to nothing is a link to a missing file.
        if (error == ERROR_FILE_NOT_FOUND && ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            return target;
        ::SetLastError(error);
        return win::openError(path);
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) return fileError(path, FileErrorKind::NotRegularFile);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info)) return win::lastError(path);
    // Windows refuses to open it for writing; Wine, run by the super-user, may not.
    if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) return windowsError(path, ERROR_ACCESS_DENIED);
    target.file = finalPathOf(file.get(), target.file);
    target.exists = true;
    target.attributes = info.dwFileAttributes;
    target.links = info.nNumberOfLinks;
    return target;
}

bool markForDeletion(HANDLE file, bool marked) {
    FILE_DISPOSITION_INFO disposition{static_cast<BOOLEAN>(marked)};
    return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != 0;
}

// Puts the finished file `temporary` in the place of the target.
bool moveIntoPlace(const std::filesystem::path& temporary, const Target& target) {
    if (target.exists) {
        // Windows' ReplaceFileW keeps the old file's attributes, Wine's does not.
        constexpr DWORD kept =
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if (target.attributes & kept) ::SetFileAttributesW(temporary.c_str(), target.attributes & kept);
        if (::ReplaceFileW(target.file.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                           nullptr))
            return true;
        // A target that went away meanwhile is created as a missing one is.
        if (::GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    }
    return ::MoveFileExW(temporary.c_str(), target.file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
}

// The new content, in a file of its own until it is complete; removed when the
// object goes unless it has taken the target's name.
class NewFile {
public:
    // A new, empty file in `folder` for the content of `file`.
    static Result<NewFile> in(const std::filesystem::path& folder, const std::filesystem::path& file,
                              const std::filesystem::path& errorPath) {
        static std::atomic<unsigned> count{0};
        const std::wstring stem =
            L"." + file.filename().native().substr(0, 200) + L".tmp-" + std::to_wstring(::GetCurrentProcessId()) + L"-";
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            NewFile made(folder / (stem + std::to_wstring(count++)));
            // Others may delete it: so may the interrupt handler, on another thread.
            made.handle_ =
                win::Handle(::CreateFileW(made.name_.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_DELETE,
                                          nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (made.handle_.valid()) {
                markForDeletion(made.handle_.get(), true);  // where the file system cannot, the name is removed
                return made;
            }
            made.name_.clear();
            if (::GetLastError() != ERROR_FILE_EXISTS) return win::lastError(errorPath);
        }
        return win::lastError(errorPath);
    }

    NewFile(NewFile&& other) noexcept
        : handle_(std::move(other.handle_)), name_(std::move(other.name_)), slot_(std::exchange(other.slot_, -1)) {
        other.name_.clear();
    }
    NewFile& operator=(NewFile&&) = delete;
    ~NewFile() {
        handle_.close();
        if (!name_.empty()) ::DeleteFileW(name_.c_str());
        win::dropTemporaryName(slot_);
    }

    HANDLE handle() const { return handle_.get(); }

    // The complete content takes the target's name; false with GetLastError() set.
    bool becomeThe(const Target& target) {
        if (!::FlushFileBuffers(handle_.get()) || !markForDeletion(handle_.get(), false) || !handle_.close())
            return false;
        if (!win::finishUnlessInterrupted([&] { return moveIntoPlace(name_, target); })) return false;
        name_.clear();
        return true;
    }

private:
    explicit NewFile(std::filesystem::path name) : name_(std::move(name)), slot_(win::holdTemporaryName(name_)) {}

    win::Handle handle_;
    std::filesystem::path name_;  // empty once it is the target's
    int slot_;
};

Result<> produceInto(HANDLE file, const std::filesystem::path& errorPath,
                     const std::function<void(const ChunkWriter& write)>& produce) {
    DWORD writeError = 0;
    try {
        produce([&](std::string_view chunk) {
            if (writeError == 0 && !win::writeAll(file, chunk)) writeError = ::GetLastError();
        });
    } catch (const WriteAbandoned&) {
        return fileError(errorPath, FileErrorKind::Cancelled);
    } catch (const std::bad_alloc&) {
        return fileError(errorPath, FileErrorKind::OutOfMemory);
    }
    if (writeError != 0) return windowsError(errorPath, writeError);
    return {};
}

// The file to be written over, open for this writer alone: another writer's
// copy over it is waited for a while, so that two copies never interleave.
win::Handle openAlone(const std::filesystem::path& file) {
    constexpr int kAttempts = 200;  // ten seconds
    for (int attempt = 0;; ++attempt) {
        win::Handle to(::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
        if (to.valid() || ::GetLastError() != ERROR_SHARING_VIOLATION || attempt == kAttempts) return to;
        ::Sleep(50);
    }
}

// Takes the room for the file's new length. A file system that cannot (Wine's
// has no allocation) must at least have the `growth` free.
bool reserve(HANDLE file, const std::filesystem::path& path, FILE_ALLOCATION_INFO& room, LONGLONG growth) {
    if (::SetFileInformationByHandle(file, FileAllocationInfo, &room, sizeof room)) return true;
    const DWORD error = ::GetLastError();
    if (error != ERROR_CALL_NOT_IMPLEMENTED && error != ERROR_NOT_SUPPORTED && error != ERROR_INVALID_PARAMETER)
        return false;
    ULARGE_INTEGER free{};
    if (!::GetDiskFreeSpaceExW(path.parent_path().c_str(), &free, nullptr, nullptr)) return false;
    if (free.QuadPart >= static_cast<ULONGLONG>(growth)) return true;
    ::SetLastError(ERROR_DISK_FULL);
    return false;
}

// Writes the complete content of `from` over the existing `file`, which keeps
// every name, attribute and right it has. The room for the new length is taken
// before the first old byte is overwritten, so a full disk leaves the old
// content whole; the caller holds interrupts off until the copy is done. What
// remains is a device that fails during the copy itself: the file is then part
// new and part old, and the error says so.
Result<> copyOver(HANDLE from, const std::filesystem::path& file, const std::filesystem::path& errorPath) {
    win::Handle to = openAlone(file);
    if (!to.valid()) return win::openError(errorPath);
    if (::GetFileType(to.get()) != FILE_TYPE_DISK) return fileError(errorPath, FileErrorKind::NotRegularFile);
    FILE_ALLOCATION_INFO room{};
    LARGE_INTEGER oldLength{};
    if (!::GetFileSizeEx(from, &room.AllocationSize) || !::GetFileSizeEx(to.get(), &oldLength))
        return win::lastError(errorPath);
    // A smaller allocation would cut the old content off at once.
    if (room.AllocationSize.QuadPart > oldLength.QuadPart &&
        !reserve(to.get(), file, room, room.AllocationSize.QuadPart - oldLength.QuadPart))
        return win::lastError(errorPath);
    if (!::SetFilePointerEx(from, LARGE_INTEGER{}, nullptr, FILE_BEGIN)) return win::lastError(errorPath);
    char buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(from, buffer, sizeof buffer, &got, nullptr)) return win::lastError(errorPath);
        if (got == 0) break;
        if (!win::writeAll(to.get(), std::string_view(buffer, got))) return win::lastError(errorPath);
    }
    if (!::SetEndOfFile(to.get()) || !::FlushFileBuffers(to.get()) || !to.close()) return win::lastError(errorPath);
    return {};
}

// The file the content is produced in: beside the target, or, for a target
// written in place whose folder takes no new file, in the temporary folder.
Result<NewFile> newFileFor(const Target& target, const std::filesystem::path& path, bool& inPlace) {
    Result<NewFile> beside = NewFile::in(target.file.parent_path(), target.file, path);
    if (beside || !target.exists || beside.error().kind != FileErrorKind::AccessDenied) return beside;
    inPlace = true;
    std::error_code ec;
    const std::filesystem::path scratch = std::filesystem::temp_directory_path(ec);
    if (ec) return beside.error();
    return NewFile::in(scratch, target.file, path);
}

}  // namespace

Result<> replaceFile(const std::filesystem::path& path, std::string_view bytes) {
    return replaceFileWith(path, [bytes](const ChunkWriter& write) { write(bytes); });
}

Result<> replaceFileWith(const std::filesystem::path& path,
                         const std::function<void(const ChunkWriter& write)>& produce) {
    const Result<Target> examined = examine(path);
    if (!examined) return examined.error();
    const Target& target = *examined;
    bool inPlace = target.links > 1;
    Result<NewFile> made = newFileFor(target, path, inPlace);
    if (!made) return made.error();
    if (Result<> produced = produceInto(made->handle(), path, produce); !produced) return produced;
    if (!inPlace) {
        if (!made->becomeThe(target)) return win::lastError(path);
        return {};
    }
    Result<> copied = fileError(path, FileErrorKind::Cancelled);
    win::finishUnlessInterrupted([&] {
        copied = copyOver(made->handle(), target.file, path);
        return copied.ok();
    });
    return copied;
}

}  // namespace pelin::platform
