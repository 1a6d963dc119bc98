#pragma once
// What a file operation gives back: its value, or the error that names the file
// and says why. One shape for every reader and writer of the program, so callers
// test `ok()` (or the result itself) and take either the value or the error.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace pelin::platform {

// Why a file operation failed, in the cases the program words itself. Each
// platform sorts its own error codes into these; anything else is Other, and
// then only the system's text says what happened.
enum class FileErrorKind {
    Other,
    NotFound,            // no such file, or a folder on the way is missing
    AccessDenied,        // the user may not read, write or create it
    IsFolder,            // a file was expected
    NotFolder,           // a part of the path that should be a folder is a file
    DiskFull,            // no space left, or the user's quota is used up
    ReadOnlyFileSystem,  // the drive cannot be written at all
    NameTooLong,
    TooManyLinks,    // symbolic links that lead in a circle, or too many of them
    Busy,            // another program holds it
    InputOutput,     // the device failed
    NotRegularFile,  // a pipe, device or socket: nothing the program reads or replaces
    TooLarge,        // over the size the program accepts for this file
    OutOfMemory,
    ContentNotKept,   // the file's content could not be kept as it is (see the writer)
    Cancelled,        // the producer of a new file gave up (see replaceFileWith)
    ShrankWhileRead,  // the file became shorter than it was when it was opened
    IsTheSource,      // a page would be written over the text it is made from
};

struct FileError {
    std::filesystem::path path;
    std::string reason;  // the system's description of the failure (English in the C locale), UTF-8
    FileErrorKind kind = FileErrorKind::Other;
};

// The reason as the program shows it in its windows: a short Japanese text of its
// own for every kind but Other, the system's text for Other. UTF-8. The caller
// shows the path beside it.
std::string shownReason(const FileError& error);

// The reason in short English for the command line: "is a folder", "not a regular
// file", "too large", …; the system's text for Other.
std::string englishReason(const FileError& error);

// An error the program finds itself (no system call failed): its reason is the
// English wording of `kind`.
FileError fileError(const std::filesystem::path& path, FileErrorKind kind);

template <typename T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(FileError error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const FileError& error() const { return std::get<1>(state_); }

private:
    std::variant<T, FileError> state_;
};

// An operation with nothing to give back but success or its error.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(FileError error) : error_(std::move(error)) {}

    bool ok() const { return !error_; }
    explicit operator bool() const { return ok(); }
    const FileError& error() const { return *error_; }

private:
    std::optional<FileError> error_;
};

}  // namespace pelin::platform
