#pragma once
// Windows' own words for a failure, and the one place where Windows error codes
// are sorted into the kinds the program words itself.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace pelin::platform {

// The system's description of the Windows error `code`, in the system's language.
std::string systemMessage(unsigned long code);

// The kind of the Windows error `code` met on `path`.
FileErrorKind windowsErrorKind(unsigned long code, const std::filesystem::path& path);

// The error of an operation on `path` that failed with the Windows error `code`.
FileError windowsError(const std::filesystem::path& path, unsigned long code);

// UTF-16 text of the system as UTF-8.
std::string utf8FromWide(std::wstring_view wide);

}  // namespace pelin::platform
