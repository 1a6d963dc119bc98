#include "text/textfile.h"

#include <string>

namespace pelin::text {

std::optional<platform::FileError> readCp932File(const std::filesystem::path& path, Text& out) {
    std::string bytes;
    if (auto error = platform::readWholeFile(path, bytes)) return error;
    out = fromCp932(bytes);
    return std::nullopt;
}

std::optional<platform::FileError> readSourceFile(const std::filesystem::path& path, Text& out) {
    std::string bytes;
    if (auto error = platform::readWholeFile(path, bytes)) return error;
    out = fromSourceFile(bytes);
    return std::nullopt;
}

std::optional<platform::FileError> writeCp932File(const std::filesystem::path& path, TextView text) {
    return platform::replaceFile(path, toCp932(text));
}

// Paths are held as text; on this system the file system takes bytes, which the
// program's text turns into UTF-8 (raw bytes going back as themselves).
std::filesystem::path toPath(TextView text) { return std::filesystem::path(toUtf8(text)); }

Text fromPath(const std::filesystem::path& path) { return fromUtf8(path.native()); }

}  // namespace pelin::text
