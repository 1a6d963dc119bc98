#pragma once
// Pieces shared by the POSIX side of the file calls: not part of the platform's
// interface (files.h), and never included outside src/platform.
#include <unistd.h>

#include <filesystem>
#include <string_view>

#include "platform/result.h"

namespace pelin::platform::posix {

// The error for `err` (an errno value) on `path`, sorted into its kind.
FileError errorOf(const std::filesystem::path& path, int err);

// A descriptor closed when the object goes.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(Fd&& other) noexcept : fd_(other.release()) {}
    Fd& operator=(Fd&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = other.release();
        }
        return *this;
    }
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// The file that a replacement of `path` changes: the end of every chain of
// symbolic links, which need not exist yet.
Result<std::filesystem::path> followLinks(const std::filesystem::path& path);

// Writes all of `bytes`; false with errno set when the system refuses.
bool writeAll(int fd, std::string_view bytes);

// Keeps `name`, a temporary file of a replacement in progress, for removal when
// the program is interrupted (see removeTemporaryFilesOnInterrupt). Returns the
// slot to give back, or -1 when the name cannot be kept (a rare case: more
// replacements at once than slots, or an overlong name).
int holdTemporaryName(const char* name);
void dropTemporaryName(int slot);

// Writes the complete content of `from` over the existing file `file`, which
// keeps its owner, permissions, attributes and every name it has.
Result<> copyOver(int from, const std::filesystem::path& file, const std::filesystem::path& errorPath);

// Gives the open file `to` exactly the extended attributes of the file `from`
// (its access list and security label among them): false when any of them
// cannot be given, or an inherited one taken off.
bool copyAttributes(const char* from, int to);

// While one lives, an interrupt or termination request (SIGINT, SIGTERM, SIGHUP)
// waits: the step it guards (the copy over a file written in place) is never cut
// off halfway. The last one to go delivers the request, which then ends the
// program as it would have. A signal the program ignores stays ignored, and a
// handler of the program's own other than ours stays in place.
class InterruptsHeld {
public:
    InterruptsHeld();
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;
};

}  // namespace pelin::platform::posix
