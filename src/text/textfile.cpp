#include "text/textfile.h"

#include <string>

namespace pelin::text {

platform::Result<Text> readCp932File(const std::filesystem::path& path) {
    platform::Result<std::string> bytes = platform::readFile(path);
    if (!bytes) return bytes.error();
    return fromCp932(*bytes);
}

platform::Result<> writeCp932File(const std::filesystem::path& path, TextView text) {
    return platform::replaceFile(path, toCp932(text));
}

// Paths are held as text; on this system the file system takes bytes, which the
// program's text turns into UTF-8 (raw bytes going back as themselves).
std::filesystem::path toPath(TextView text) { return std::filesystem::path(toUtf8(text)); }

Text fromPath(const std::filesystem::path& path) { return fromUtf8(path.native()); }

}  // namespace pelin::text
