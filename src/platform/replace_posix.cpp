// Replacing a file on POSIX systems: the new content goes to a file of its own,
// which rename(2) puts in the old one's place in one step; see files.h for when
// the old file is written in place instead.
//
// On Linux the new file is made with O_TMPFILE, so it has no name while it is
// written and a killed program leaves nothing; it is given a hidden temporary
// name only for the moment between linkat(2) and rename(2). Where the file
// system has no O_TMPFILE (or the process has no /proc for linkat), the hidden
// name is made at once and removed on every way out, including an interrupt once
// removeTemporaryFilesOnInterrupt is in place.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include "platform/files.h"
#include "platform/posix_fd.h"

namespace pelin::platform {

using posix::errorOf;
using posix::Fd;

namespace {

constexpr int kNameAttempts = 100;

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

bool mayCreateIn(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

// ".NAME.tmp-XXXXXX" beside `file`: hidden, and telling whose it was should one
// ever be left (the name is cut so that the whole stays within a name's limit).
std::string hiddenNameBeside(const std::filesystem::path& folder, const std::filesystem::path& file) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string name = "." + file.filename().string().substr(0, 200) + ".tmp-";
    for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
    return (folder / name).string();
}

// A hidden name made for a replacement: removed when the replacement ends
// without renaming it, and held for removal on an interrupt meanwhile.
class TemporaryName {
public:
    TemporaryName() = default;
    TemporaryName(TemporaryName&& other) noexcept
        : name_(std::move(other.name_)), slot_(std::exchange(other.slot_, -1)) {
        other.name_.clear();
    }
    TemporaryName& operator=(TemporaryName&&) = delete;
    ~TemporaryName() { remove(); }

    // A fresh name, held before the file exists so that no moment goes unguarded.
    void choose(const std::filesystem::path& folder, const std::filesystem::path& file) {
        forget();
        name_ = hiddenNameBeside(folder, file);
        slot_ = posix::holdTemporaryName(name_.c_str());
    }
    const char* c_str() const { return name_.c_str(); }
    bool empty() const { return name_.empty(); }
    void remove() {
        if (!name_.empty()) ::unlink(name_.c_str());
        forget();
    }
    // The name is no longer the replacement's: renamed, or taken by someone else.
    void forget() {
        posix::dropTemporaryName(slot_);
        slot_ = -1;
        name_.clear();
    }

private:
    std::string name_;
    int slot_ = -1;
};

// Whether linkat can give an unnamed file a name: it needs /proc, which a
// confined process may lack (asked each time: it can change under a process).
bool canNameUnnamedFiles() { return ::access("/proc/self/fd", X_OK) == 0; }

int openUnnamed(const std::filesystem::path& folder, mode_t mode) {
#ifdef O_TMPFILE
    return ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
#else
    (void)folder;
    (void)mode;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// Makes something under a fresh hidden name beside `file`, trying another name
// while the chosen one is taken; `make` returns false with errno set when it
// fails. Returns 0, or the errno value of the failure.
template <typename Make>
int underFreshName(TemporaryName& name, const std::filesystem::path& folder, const std::filesystem::path& file,
                   Make make) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name.choose(folder, file);
        if (make(name.c_str())) return 0;
        const int err = errno;
        name.forget();
        if (err != EEXIST) return err;
    }
    return EEXIST;
}

// The new content, in a file of its own until it is complete.
class NewFile {
public:
    // A file in `folder` that will take `file`'s name.
    static Result<NewFile> beside(const std::filesystem::path& folder, const std::filesystem::path& file, mode_t mode,
                                  const std::filesystem::path& errorPath) {
        NewFile made(folder);
        if (canNameUnnamedFiles()) made.fd_ = Fd(openUnnamed(folder, mode));
        if (made.fd_.get() >= 0) return made;
        const int err = underFreshName(made.name_, folder, file, [&](const char* name) {
            made.fd_ = Fd(::open(name, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode));
            return made.fd_.get() >= 0;
        });
        if (err != 0) return errorOf(errorPath, err);
        return made;
    }

    // A file that only holds the content until it is copied: nobody else's to see.
    static Result<NewFile> scratch(const std::filesystem::path& folder, const std::filesystem::path& file) {
        NewFile made(folder);
        made.fd_ = Fd(openUnnamed(folder, 0600));
        if (made.fd_.get() >= 0) return made;
        Result<NewFile> named = beside(folder, file, 0600, folder);
        if (named) named->unname();
        return named;
    }

    int fd() const { return fd_.get(); }

    // The content no longer needs a name of its own (it is only copied).
    void unname() { name_.remove(); }

    // The content becomes the file `file`, whole and at once.
    Result<> takeTheNameOf(const std::filesystem::path& file, const std::filesystem::path& errorPath) {
        if (name_.empty()) {
            // rename(2) only moves names, so the unnamed file gets a hidden one first.
            const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
            const int err = underFreshName(name_, folder_, file, [&](const char* name) {
                return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
            });
            if (err != 0) return errorOf(errorPath, err);
        }
        if (::rename(name_.c_str(), file.c_str()) != 0) {
            const int err = errno;
            name_.remove();
            return errorOf(errorPath, err);
        }
        name_.forget();
        // The new name is on the disk only once the folder is: until then a power
        // loss could bring the old file back after the program said it was done.
        Fd folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.get() >= 0 && ::fsync(folder.get()) != 0 && errno != EINVAL && errno != EROFS)
            return errorOf(errorPath, errno);
        return {};
    }

private:
    explicit NewFile(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::filesystem::path folder_;
    Fd fd_;
    TemporaryName name_;  // empty while the file has no name
};

// Gives the new file the old one's owner, group, extended attributes and
// permissions; false when the system does not let this user (only the
// super-user may give a file away) or the new file would end up open to more
// people than the old one.
bool makeLike(int fd, const std::filesystem::path& file, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    if (!posix::copyAttributes(file.c_str(), fd)) return false;
    // After fchown, which may clear the set-user and set-group bits, and after the
    // access list, whose mask the group bits are.
    if (::fchmod(fd, old.st_mode & 07777) != 0 || ::fstat(fd, &now) != 0) return false;
    return (now.st_mode & 07777) == (old.st_mode & 07777);
}

// Starts writing a piece of the new file to the disk while the rest is still
// being made, so that the fsync before the rename has little left to wait for.
void startWriteback(int fd, off_t offset, std::size_t length) {
#ifdef SYNC_FILE_RANGE_WRITE
    ::sync_file_range(fd, offset, static_cast<off_t>(length), SYNC_FILE_RANGE_WRITE);
#else
    (void)fd, (void)offset, (void)length;
#endif
}

Result<> produceInto(int fd, const std::filesystem::path& errorPath,
                     const std::function<void(const ChunkWriter& write)>& produce) {
    int writeError = 0;
    off_t written = 0;
    try {
        produce([&](std::string_view chunk) {
            if (writeError == 0 && !posix::writeAll(fd, chunk)) writeError = errno;
            startWriteback(fd, written, chunk.size());
            written += static_cast<off_t>(chunk.size());
        });
    } catch (const WriteAbandoned&) {
        return fileError(errorPath, FileErrorKind::Cancelled);
    } catch (const std::bad_alloc&) {
        return fileError(errorPath, FileErrorKind::OutOfMemory);
    }
    if (writeError != 0) return errorOf(errorPath, writeError);
    return {};
}

}  // namespace

Result<> replaceFile(const std::filesystem::path& path, std::string_view bytes) {
    return replaceFileWith(path, [bytes](const ChunkWriter& write) { write(bytes); });
}

Result<> replaceFileWith(const std::filesystem::path& path,
                         const std::function<void(const ChunkWriter& write)>& produce) {
    const Result<std::filesystem::path> resolved = posix::followLinks(path);
    if (!resolved) return resolved.error();
    const std::filesystem::path& file = *resolved;
    const std::filesystem::path folder = folderOf(file);

    std::optional<struct stat> old;
    if (struct stat st{}; ::lstat(file.c_str(), &st) == 0) old = st;
    else if (errno != ENOENT) return errorOf(path, errno);
    if (old) {
        if (S_ISDIR(old->st_mode)) return errorOf(path, EISDIR);
        if (!S_ISREG(old->st_mode)) return fileError(path, FileErrorKind::NotRegularFile);
        // A file the user may not write to is refused, as opening it for output
        // would be; renaming over it would silently bypass its protection. A file
        // without any write permission counts as read-only even for root.
        if ((old->st_mode & 0222) == 0) return errorOf(path, EACCES);
        if (::access(file.c_str(), W_OK) != 0) return errorOf(path, errno);
    }

    bool inPlace = old && (old->st_nlink > 1 || !mayCreateIn(folder));
    std::filesystem::path scratchFolder = folder;
    if (inPlace && !mayCreateIn(folder)) {
        std::error_code ec;
        scratchFolder = std::filesystem::temp_directory_path(ec);
        if (ec) return errorOf(path, ec.value());
    }
    Result<NewFile> made =
        inPlace ? NewFile::scratch(scratchFolder, file) : NewFile::beside(folder, file, old ? 0600 : 0666, path);
    if (!made) return made.error();
    NewFile& content = *made;
    if (!inPlace && old && !makeLike(content.fd(), file, *old)) {
        content.unname();
        inPlace = true;
    }

    if (Result<> produced = produceInto(content.fd(), path, produce); !produced) return produced;
    if (inPlace) return posix::copyOver(content.fd(), file, path);
    if (::fsync(content.fd()) != 0) return errorOf(path, errno);
    return content.takeTheNameOf(file, path);
}

}  // namespace pelin::platform
