#pragma once
// Pieces shared by the Windows side of the file calls: not part of the platform's
// interface (files.h), and never included outside src/platform.
#include <windows.h>

#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/result.h"

namespace pelin::platform::win {

// A handle closed when the object goes.
class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(Handle&& other) noexcept : handle_(other.release()) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            close();
            handle_ = other.release();
        }
        return *this;
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    HANDLE release() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle;
    }
    // False, with GetLastError() set, when the system reports a failure (of a
    // write that only now reaches the disk, say).
    bool close() { return !valid() || ::CloseHandle(release()) != 0; }

private:
    HANDLE handle_;
};

// The error of the last failed call, on `path`.
FileError lastError(const std::filesystem::path& path);

// The error of a failed CreateFileW of `path`: Windows refuses to open a folder
// as a file with "access denied", which is put right here.
FileError openError(const std::filesystem::path& path);

// Writes all of `bytes`; false with GetLastError() set when the system refuses.
bool writeAll(HANDLE file, std::string_view bytes);

// Keeps `name`, a temporary file of a replacement in progress, for removal when
// the console asks the program to end (see removeTemporaryFilesOnInterrupt).
// Returns the slot to give back.
int holdTemporaryName(const std::filesystem::path& name);
void dropTemporaryName(int slot);

// Runs `finish`, the step that puts finished content in place (the rename of a
// temporary file, or the copy over a file written in place), unless the program
// is being ended and its temporary files removed: then false, with GetLastError()
// ERROR_OPERATION_ABORTED. An interrupt meanwhile waits until the step is done,
// so that it never ends the program halfway through it.
bool finishUnlessInterrupted(const std::function<bool()>& finish);

}  // namespace pelin::platform::win
