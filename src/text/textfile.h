#pragma once
// Reading and writing whole text files in the program's code page.
#include <filesystem>

#include "platform/files.h"
#include "text/page_charset.h"
#include "text/text.h"

namespace pelin::text {

// Reads a code page 932 text file (every byte kept, see text.h) of at most
// `maxBytes`: such files are read whole to be shown or edited.
platform::Result<Text> readCp932File(const std::filesystem::path& path,
                                     std::uintmax_t maxBytes = platform::kMaxShownFileBytes);

// Reads a file in `charset` as readCp932File reads one in code page 932.
platform::Result<Text> readPageFile(const std::filesystem::path& path, PageCharset charset,
                                    std::uintmax_t maxBytes = platform::kMaxShownFileBytes);

// Replaces the file with `text` in code page 932 (temporary file, then rename).
platform::Result<> writeCp932File(const std::filesystem::path& path, TextView text);

// A path the program holds as text, for the file system.
std::filesystem::path toPath(TextView text);
Text fromPath(const std::filesystem::path& path);

}  // namespace pelin::text
