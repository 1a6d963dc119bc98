#pragma once
// Windows' own words for a failure, for the errors the platform layer reports.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace pelin::platform {

// The system's description of the Windows error `code`, in the system's language.
std::string systemMessage(unsigned long code);

// The error of an operation on `path` that failed with the Windows error `code`.
inline FileError windowsError(const std::filesystem::path& path, unsigned long code) {
    return {path, systemMessage(code)};
}

// UTF-16 text of the system as UTF-8.
std::string utf8FromWide(std::wstring_view wide);

}  // namespace pelin::platform
