#pragma once
// File-system calls the program needs, kept in one place so that another platform
// can supply its own (reading only what is safe to read, replacing a file in place,
// finding the program's folder).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace pelin::platform {

// ---- Reading --------------------------------------------------------------
//
// The program reads regular files only. A folder, pipe, device or socket is
// refused with its reason before a byte is read, and opening never waits (a
// pipe without a writer would otherwise hang the window, and a device such as
// /dev/zero would fill the memory).

// A source text's size is held in a signed 32-bit number: 2 GiB or more is refused.
inline constexpr std::uintmax_t kMaxSourceFileBytes = 0x7FFFFFFF;
// A file that is read whole to be shown or edited (the readme, a page opened in
// the notepad): far beyond any such text, far below what would exhaust memory.
inline constexpr std::uintmax_t kMaxShownFileBytes = std::uintmax_t{64} << 20;
// A picture (a character) is read whole before it is decoded: far beyond any
// picture a window shows, far below what would exhaust memory.
inline constexpr std::uintmax_t kMaxPictureFileBytes = std::uintmax_t{64} << 20;

// A regular file open for reading, closed when the object goes.
class InputFile {
public:
    // Opens `path`; refuses anything that is not a regular file, and a file of
    // more than `maxBytes` (kind TooLarge).
    static Result<InputFile> open(const std::filesystem::path& path, std::uintmax_t maxBytes = kMaxSourceFileBytes);

    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    const std::filesystem::path& path() const { return path_; }
    // The length when the file was opened; a file that grows or shrinks while it
    // is read gives more or fewer bytes than this.
    std::uintmax_t size() const { return size_; }

    // Reads the next bytes into `buffer`; 0 at the end of the file.
    Result<std::size_t> read(std::span<char> buffer);
    // Reads bytes from `offset` on into `buffer`, leaving the position of read()
    // alone; 0 at the end of the file.
    Result<std::size_t> readAt(std::uint64_t offset, std::span<char> buffer);

private:
    InputFile(std::filesystem::path path, std::intptr_t handle, std::uintmax_t size);

    std::filesystem::path path_;
    std::intptr_t handle_;  // the platform's descriptor or handle
    std::uintmax_t size_;
};

// The whole content of the file: at most `maxBytes`, also when it grows while
// it is read. Running out of memory is an error (kind OutOfMemory), not an abort.
Result<std::string> readFile(const std::filesystem::path& path, std::uintmax_t maxBytes = kMaxSourceFileBytes);

// The length of a regular file of at most `maxBytes`, or why there is none.
Result<std::uintmax_t> fileSize(const std::filesystem::path& path, std::uintmax_t maxBytes = kMaxSourceFileBytes);

// The length of a regular file, or nothing (fileSize without the reason or a limit).
std::optional<std::uintmax_t> fileLength(const std::filesystem::path& path);

// ---- Replacing --------------------------------------------------------------
//
// The new content is produced whole before the file changes, so the file is
// either the old one or the new one, never half-written:
//  - Normally it goes to a new file in the target's folder (one without a name
//    until it is complete, where the file system allows), which then takes the
//    target's name: a program killed while writing leaves nothing behind.
//  - A symbolic link is followed: the file it points to is replaced, in that
//    file's folder, and the link stays.
//  - An existing file keeps its permissions and extended attributes (access
//    lists, security labels), and its owner and group wherever the system lets
//    the new file have them; it is never opened to more people than before.
//  - An existing file is written in place instead, after the new content is
//    complete, when it cannot be replaced without losing something: its folder
//    may not be written by the user (the file itself may), the new file could not
//    be given the old one's owner, group or attributes, or it has further names
//    (hard links), which all keep showing the new content. The room for the new
//    content is taken first, another writer's copy is waited for, and interrupts
//    wait until the copy is done, so only a failing device can leave the file
//    part old and part new.
//  - A file without any write permission is refused, as are folders, pipes and
//    devices. A missing file is created.
//
// Windows (replace_win.cpp) keeps the same rules with its own means: the new file
// has a name from the start but is marked for deletion until it is complete, so
// that a killed program still leaves nothing; a link is followed to the opened
// file's final path, and a link to a missing file is refused (Windows would
// replace the link); the old file's attributes, owner and access lists go to the
// new one; "further names" are NTFS hard links, and a folder "not written by the
// user" is one in which no file can be created; a read-only file is refused.

Result<> replaceFile(const std::filesystem::path& path, std::string_view bytes);

// The same for content made piece by piece: `produce` calls `write` for every
// piece in order, so a large file never has to be held whole in memory. Once a
// write has failed, further pieces are ignored and the failure is returned.
//
// `produce` gives up by throwing WriteAbandoned (a cancelled conversion): nothing
// is written, the old file stays as it was, no temporary file is left, and the
// result is an error of kind Cancelled. std::bad_alloc becomes an error of kind
// OutOfMemory. Any other exception is passed on to the caller, likewise after
// every trace of the new file is removed.
using ChunkWriter = std::function<void(std::string_view chunk)>;
Result<> replaceFileWith(const std::filesystem::path& path,
                         const std::function<void(const ChunkWriter& write)>& produce);

struct WriteAbandoned {};

// Whether a new file could be made at `path`: its folder is there, is a folder,
// and may be written by the user. The error names the folder.
Result<> checkCanCreate(const std::filesystem::path& path);

// For command-line programs: makes an interrupt or termination request (Ctrl+C,
// SIGINT/SIGTERM/SIGHUP or the console's close) first remove the temporary file
// of any replacement in progress, then end the program as the request would
// have. Installing it more than once does no harm.
void removeTemporaryFilesOnInterrupt();

// ---- Telling files apart ------------------------------------------------------

// What tells one file from another however its path is written (links, "..",
// another letter case where the file system ignores case, a hard link): the
// file's own identity where it exists (device and inode; volume and file index);
// for a file not yet there, its folder's identity and its name as the file system
// compares names; where not even the folder is there, the path's own text.
struct FileKey {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    std::filesystem::path name;  // empty for an existing file
    friend auto operator<=>(const FileKey&, const FileKey&) = default;
};
FileKey fileKey(const std::filesystem::path& path);

inline bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    return fileKey(a) == fileKey(b);
}

// ---- The program ---------------------------------------------------------------

// The folder that holds the running program's executable.
std::filesystem::path programFolder();

}  // namespace pelin::platform
