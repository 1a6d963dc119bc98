// POSIX file calls: opening and reading a file, and the program's folder. Reading
// whole files is in input_file.cpp, replacing a file in replace_posix.cpp.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

#include "platform/files.h"
#include "platform/native_handle.h"
#include "platform/posix_fd.h"

namespace pelin::platform {
namespace posix {
namespace {

FileErrorKind kindOf(int err) {
    switch (err) {
    case ENOENT: return FileErrorKind::NotFound;
    case EACCES:
    case EPERM: return FileErrorKind::AccessDenied;
    case EISDIR: return FileErrorKind::IsFolder;
    case ENOTDIR: return FileErrorKind::NotFolder;
    case ENOSPC:
    case EDQUOT: return FileErrorKind::DiskFull;
    case EROFS: return FileErrorKind::ReadOnlyFileSystem;
    case ENAMETOOLONG: return FileErrorKind::NameTooLong;
    case ELOOP: return FileErrorKind::TooManyLinks;
    case EBUSY:
    case ETXTBSY: return FileErrorKind::Busy;
    case EIO: return FileErrorKind::InputOutput;
    case EFBIG: return FileErrorKind::TooLarge;
    case ENOMEM: return FileErrorKind::OutOfMemory;
    default: return FileErrorKind::Other;
    }
}

}  // namespace

FileError errorOf(const std::filesystem::path& path, int err) {
    return {path, std::generic_category().message(err), kindOf(err)};
}

// The file that a replacement of `path` changes: the end of every chain of
// symbolic links, which need not exist yet.
Result<std::filesystem::path> followLinks(const std::filesystem::path& path) {
    constexpr int kMaxLinkHops = 40;  // as the system allows when it follows links itself
    std::filesystem::path current = path;
    for (int hop = 0;; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0) {
            if (errno == ENOENT) return current;
            return errorOf(path, errno);
        }
        if (!S_ISLNK(st.st_mode)) return current;
        if (hop == kMaxLinkHops) return errorOf(path, ELOOP);
        std::error_code ec;
        const std::filesystem::path target = std::filesystem::read_symlink(current, ec);
        if (ec) return errorOf(path, ec.value());
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace posix

using posix::errorOf;
using posix::Fd;

namespace {

// Why a file of this type is not read; nothing for a regular file.
std::optional<FileError> refusalOf(const std::filesystem::path& path, const struct stat& st) {
    if (S_ISREG(st.st_mode)) return std::nullopt;
    return fileError(path, S_ISDIR(st.st_mode) ? FileErrorKind::IsFolder : FileErrorKind::NotRegularFile);
}

}  // namespace

void closeNativeHandle(std::intptr_t handle) {
    if (handle >= 0) ::close(static_cast<int>(handle));
}

Result<InputFile> InputFile::open(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    // Looking first keeps devices from being opened at all (opening some has
    // effects of its own); the descriptor is checked again, as the name may have
    // changed in between. O_NONBLOCK makes opening a pipe return at once.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errorOf(path, errno);
    if (std::optional<FileError> refused = refusalOf(path, st)) return *refused;
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return errorOf(path, errno);
    if (::fstat(fd.get(), &st) != 0) return errorOf(path, errno);
    if (std::optional<FileError> refused = refusalOf(path, st)) return *refused;
    const auto size = static_cast<std::uintmax_t>(st.st_size);
    if (size > maxBytes) return fileError(path, FileErrorKind::TooLarge);
    // Files are read from start to end; the system may read ahead.
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return InputFile(path, fd.release(), size);
}

Result<std::size_t> InputFile::read(std::span<char> buffer) {
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(handle_), buffer.data(), buffer.size());
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) return errorOf(path_, errno);
    }
}

Result<std::size_t> InputFile::readAt(std::uint64_t offset, std::span<char> buffer) {
    for (;;) {
        const ssize_t n = ::pread(static_cast<int>(handle_), buffer.data(), buffer.size(), static_cast<off_t>(offset));
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) return errorOf(path_, errno);
    }
}

Result<> checkCanCreate(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) return errorOf(folder, errno);
    if (!S_ISDIR(st.st_mode)) return fileError(folder, FileErrorKind::NotFolder);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return errorOf(folder, errno);
    return {};
}

FileKey fileKey(const std::filesystem::path& path) {
    // The file a replacement of `path` changes, which need not be there yet.
    const Result<std::filesystem::path> followed = posix::followLinks(path);
    const std::filesystem::path file = followed ? *followed : path;
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) return {st.st_dev, st.st_ino, {}};
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    if (::stat(folder.c_str(), &st) == 0) return {st.st_dev, st.st_ino, file.filename()};
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    return {0, 0, (ec ? file : absolute).lexically_normal()};
}

std::filesystem::path programFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

}  // namespace pelin::platform
