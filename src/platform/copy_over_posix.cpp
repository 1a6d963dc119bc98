// Writing a file's new content over its old content, for the files that cannot
// be replaced by a new file (see files.h): the content is complete elsewhere
// first, and the copy is guarded so that the file is either old or new.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/files.h"
#include "platform/posix_fd.h"

namespace pelin::platform::posix {
namespace {

// Waits, a while, for another writer's copy over the same file to end, so that
// two copies never interleave (each takes the lock for its whole copy).
Result<> lockForCopy(int fd, const std::filesystem::path& errorPath) {
    constexpr int kAttempts = 200;  // ten seconds
    for (int attempt = 0;; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return {};
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return errorOf(errorPath, errno);
        if (attempt == kAttempts) return fileError(errorPath, FileErrorKind::Busy);
        ::usleep(50'000);
    }
}

// Makes sure that `length` bytes of content will fit in the file before any of
// its old bytes is overwritten: a full disk or a size limit met halfway would
// leave it part new and part old.
Result<> reserve(int fd, off_t length, const std::filesystem::path& errorPath) {
    if (length == 0) return {};
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(length) > limit.rlim_cur)
        return errorOf(errorPath, EFBIG);
#ifdef FALLOC_FL_KEEP_SIZE
    // The length of the file stays as it is until the copy is done.
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, length) == 0) return {};
    if (errno != EOPNOTSUPP && errno != ENOSYS) return errorOf(errorPath, errno);
#endif
    // A file system that cannot reserve space must at least have the growth free.
    struct stat st {};
    struct statvfs volume {};
    if (::fstat(fd, &st) != 0 || ::fstatvfs(fd, &volume) != 0) return errorOf(errorPath, errno);
    const std::uintmax_t held = std::uintmax_t(st.st_blocks) * 512;
    const std::uintmax_t free = std::uintmax_t(volume.f_bavail) * volume.f_frsize;
    if (std::uintmax_t(length) > held && std::uintmax_t(length) - held > free) return errorOf(errorPath, ENOSPC);
    return {};
}

}  // namespace

// Writes the complete content of `from` over the existing `file`, which keeps
// its owner, permissions, attributes and every name it has. Whatever fails
// before the first old byte is overwritten (the room for the new length, the
// lock, an interrupt) leaves the old content whole; from then on interrupts
// wait until the copy, the new length and the sync are done. What remains is a
// device that fails during the copy itself: the file is then part new and part
// old, and the error says so.
Result<> copyOver(int from, const std::filesystem::path& file, const std::filesystem::path& errorPath) {
    Fd to(::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (to.get() < 0) return errorOf(errorPath, errno);
    struct stat st {};
    if (::fstat(to.get(), &st) != 0) return errorOf(errorPath, errno);
    if (!S_ISREG(st.st_mode)) return fileError(errorPath, FileErrorKind::NotRegularFile);
    struct stat content {};
    if (::fstat(from, &content) != 0 || ::lseek(from, 0, SEEK_SET) != 0) return errorOf(errorPath, errno);
    if (Result<> locked = lockForCopy(to.get(), errorPath); !locked) return locked;
    if (Result<> reserved = reserve(to.get(), content.st_size, errorPath); !reserved) return reserved;

    const posix::InterruptsHeld held;
    char buffer[1 << 16];
    off_t length = 0;
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errorOf(errorPath, errno);
        if (n == 0) break;
        if (!posix::writeAll(to.get(), std::string_view(buffer, static_cast<std::size_t>(n))))
            return errorOf(errorPath, errno);
        length += n;
    }
    if (::ftruncate(to.get(), length) != 0 || ::fsync(to.get()) != 0 || ::close(to.release()) != 0)
        return errorOf(errorPath, errno);
    return {};
}

}  // namespace pelin::platform::posix
