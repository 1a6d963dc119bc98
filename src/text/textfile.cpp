#include "text/textfile.h"

#include <new>
#include <string>

namespace pelin::text {

platform::Result<Text> readCp932File(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    return readPageFile(path, PageCharset::Cp932, maxBytes);
}

platform::Result<Text> readPageFile(const std::filesystem::path& path, PageCharset charset, std::uintmax_t maxBytes) {
    platform::Result<std::string> bytes = platform::readFile(path, maxBytes);
    if (!bytes) return bytes.error();
    try {
        return decodeFrom(charset, *bytes);
    } catch (const std::bad_alloc&) {
        return platform::fileError(path, platform::FileErrorKind::OutOfMemory);
    }
}

platform::Result<> writeCp932File(const std::filesystem::path& path, TextView text) {
    return platform::replaceFile(path, toCp932(text));
}

// One pair of these is used, chosen by the type of the system's own paths.
namespace {

// File systems that take bytes (POSIX): the program's text turns into UTF-8,
// raw bytes going back as themselves.
[[maybe_unused]] std::string nativeOf(TextView text, const std::string&) { return toUtf8(text); }
[[maybe_unused]] Text fromNative(const std::string& bytes) { return fromUtf8(bytes); }

// File systems that take UTF-16 (Windows): the text as it is.
[[maybe_unused]] std::wstring nativeOf(TextView text, const std::wstring&) { return {text.begin(), text.end()}; }
[[maybe_unused]] Text fromNative(const std::wstring& units) { return {units.begin(), units.end()}; }

}  // namespace

std::filesystem::path toPath(TextView text) { return nativeOf(text, std::filesystem::path::string_type()); }

Text fromPath(const std::filesystem::path& path) { return fromNative(path.native()); }

}  // namespace pelin::text
