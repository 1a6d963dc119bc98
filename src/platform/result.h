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

struct FileError {
    std::filesystem::path path;
    std::string reason;  // the system's description of the failure, UTF-8
};

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
