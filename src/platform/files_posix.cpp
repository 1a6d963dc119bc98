// POSIX file calls. Replacing a file goes through a temporary file and rename(2),
// which is atomic within one folder.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/files.h"

namespace pelin::platform {
namespace {

FileError errorOf(const std::filesystem::path& path, int err) { return {path, std::strerror(err)}; }

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { if (fd_ >= 0) ::close(fd_); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { int fd = fd_; fd_ = -1; return fd; }

private:
    int fd_;
};

// Starts writing a piece of a file to the disk while the rest is still being
// made, so that the fsync before the rename has little left to wait for.
void startWriteback(int fd, off_t offset, std::size_t length) {
#ifdef SYNC_FILE_RANGE_WRITE
    ::sync_file_range(fd, offset, static_cast<off_t>(length), SYNC_FILE_RANGE_WRITE);
#else
    (void)fd, (void)offset, (void)length;
#endif
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

Result<std::string> readFile(const std::filesystem::path& path) {
    std::string bytes;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return errorOf(path, errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return errorOf(path, errno);
    if (S_ISDIR(st.st_mode)) return errorOf(path, EISDIR);
    if (S_ISREG(st.st_mode)) bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errorOf(path, errno);
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

Result<> replaceFile(const std::filesystem::path& path, std::string_view bytes) {
    return replaceFileWith(path, [bytes](const ChunkWriter& write) { write(bytes); });
}

Result<> replaceFileWith(const std::filesystem::path& path,
                         const std::function<void(const ChunkWriter& write)>& produce) {
    // An existing file the user may not write to is refused, as opening it for
    // output would be; renaming over it would silently bypass its protection. A
    // file without any write permission counts as read-only even for root.
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) return errorOf(path, EISDIR);
    if (exists && (target.st_mode & 0222) == 0) return errorOf(path, EACCES);
    if (exists && ::access(path.c_str(), W_OK) != 0) return errorOf(path, errno);

    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    std::string name = ".";
    name.append(path.filename().string()).append(".tmp-XXXXXX");
    std::string tmpl = (folder / name).string();
    Fd fd(::mkstemp(tmpl.data()));
    if (fd.get() < 0) return errorOf(path, errno);

    auto fail = [&](int err) {
        ::unlink(tmpl.c_str());
        return errorOf(path, err);
    };
    mode_t mode = exists ? (target.st_mode & 07777) : [] {
        mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    if (::fchmod(fd.get(), mode) != 0) return fail(errno);
    int writeError = 0;
    off_t written = 0;
    try {
        produce([&](std::string_view chunk) {
            if (writeError == 0 && !writeAll(fd.get(), chunk)) writeError = errno;
            startWriteback(fd.get(), written, chunk.size());
            written += static_cast<off_t>(chunk.size());
        });
    } catch (...) {
        ::unlink(tmpl.c_str());
        throw;
    }
    if (writeError != 0) return fail(writeError);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (::close(fd.release()) != 0) return fail(errno);
    if (::rename(tmpl.c_str(), path.c_str()) != 0) return fail(errno);
    return {};
}

std::optional<std::uintmax_t> fileLength(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return std::nullopt;
    return size;
}

std::filesystem::path programFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

}  // namespace pelin::platform
