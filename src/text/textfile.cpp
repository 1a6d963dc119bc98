#include "text/textfile.h"

#include <new>
#include <string>

namespace pelin::text {

platform::Result<Text> readCp932File(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    platform::Result<std::string> bytes = platform::readFile(path, maxBytes);
    if (!bytes) return bytes.error();
    try {
        return fromCp932(*bytes);
    } catch (const std::bad_alloc&) {
        return platform::fileError(path, platform::FileErrorKind::OutOfMemory);
    }
}

platform::Result<> writeCp932File(const std::filesystem::path& path, TextView text) {
    return platform::replaceFile(path, toCp932(text));
}

// Paths are held as text; on this system the file system takes bytes, which the
// program's text turns into UTF-8 (raw bytes going back as themselves).
std::filesystem::path toPath(TextView text) { return std::filesystem::path(toUtf8(text)); }

Text fromPath(const std::filesystem::path& path) { return fromUtf8(path.native()); }

}  // namespace pelin::text
