// Reading whole files and their sizes, the same on every system over InputFile,
// whose opening and reading each system supplies (files_posix.cpp, files_win.cpp).
#include <cstdint>
#include <new>
#include <utility>

#include "platform/files.h"
#include "platform/native_handle.h"

namespace pelin::platform {

InputFile::InputFile(std::filesystem::path path, std::intptr_t handle, std::uintmax_t size)
    : path_(std::move(path)), handle_(handle), size_(size) {}

InputFile::InputFile(InputFile&& other) noexcept
    : path_(std::move(other.path_)), handle_(std::exchange(other.handle_, kNoHandle)), size_(other.size_) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        closeNativeHandle(handle_);
        path_ = std::move(other.path_);
        handle_ = std::exchange(other.handle_, kNoHandle);
        size_ = other.size_;
    }
    return *this;
}

InputFile::~InputFile() { closeNativeHandle(handle_); }

Result<std::string> readFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    Result<InputFile> file = InputFile::open(path, maxBytes);
    if (!file) return file.error();
    try {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(file->size()));
        char buffer[1 << 16];
        for (;;) {
            const Result<std::size_t> n = file->read(buffer);
            if (!n) return n.error();
            if (*n == 0) return bytes;
            if (bytes.size() + *n > maxBytes) return fileError(path, FileErrorKind::TooLarge);
            bytes.append(buffer, *n);
        }
    } catch (const std::bad_alloc&) {
        return fileError(path, FileErrorKind::OutOfMemory);
    }
}

Result<std::uintmax_t> fileSize(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    const Result<InputFile> file = InputFile::open(path, maxBytes);
    if (!file) return file.error();
    return file->size();
}

std::optional<std::uintmax_t> fileLength(const std::filesystem::path& path) {
    const Result<std::uintmax_t> size = fileSize(path, UINTMAX_MAX);
    if (!size) return std::nullopt;
    return *size;
}

}  // namespace pelin::platform
