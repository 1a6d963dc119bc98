// Block reading on POSIX: pread(2) at the caller's offsets, on a descriptor
// opened without blocking so that a pipe given as a file cannot stall the open.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_blocks.h"

namespace pelin::platform {
namespace {

FileError errorOf(const std::filesystem::path& path, int err) { return {path, std::strerror(err)}; }

}  // namespace

Result<FileBlocks> FileBlocks::open(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errorOf(path, errno);
    FileBlocks file(path, fd, 0);  // closes the descriptor on every early return
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errorOf(path, errno);
    if (S_ISDIR(st.st_mode)) return errorOf(path, EISDIR);
    if (!S_ISREG(st.st_mode)) return FileError{path, "通常のファイルではありません"};
    // The file is read once from start to end; the system may read ahead.
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    file.length_ = static_cast<std::uint64_t>(st.st_size);
    return file;
}

FileBlocks::FileBlocks(std::filesystem::path path, std::intptr_t handle, std::uint64_t length)
    : path_(std::move(path)), handle_(handle), length_(length) {}

FileBlocks::FileBlocks(FileBlocks&& other) noexcept
    : path_(std::move(other.path_)), handle_(other.handle_), length_(other.length_) {
    other.handle_ = -1;
}

FileBlocks::~FileBlocks() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

Result<std::size_t> FileBlocks::readAt(std::uint64_t offset, std::span<char> into) {
    if (offset >= length_) return std::size_t{0};
    if (into.size() > length_ - offset) into = into.first(static_cast<std::size_t>(length_ - offset));
    std::size_t done = 0;
    while (done < into.size()) {
        const ssize_t n = ::pread(static_cast<int>(handle_), into.data() + done, into.size() - done,
                                  static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errorOf(path_, errno);
        }
        if (n == 0) return FileError{path_, "読み込んでいる間にファイルが短くなりました"};
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace pelin::platform
