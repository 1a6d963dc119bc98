#pragma once
// File-system calls the program needs, kept in one place so that another platform
// can supply its own (replacing a file in place, finding the program's folder).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace pelin::platform {

// The whole content of the file.
Result<std::string> readFile(const std::filesystem::path& path);

// Replaces the file's content with `bytes`: the data goes to a temporary file in the
// same folder, which is then renamed over the target, so the target is either the
// old file or the new one, never half-written. A missing target is created.
Result<> replaceFile(const std::filesystem::path& path, std::string_view bytes);

// The same for content made piece by piece: `produce` calls `write` for every
// piece in order, so a large file never has to be held whole in memory. A
// producer that cannot finish throws: the temporary file is removed, the target
// stays as it was, and the exception goes on to the caller.
using ChunkWriter = std::function<void(std::string_view chunk)>;
Result<> replaceFileWith(const std::filesystem::path& path,
                         const std::function<void(const ChunkWriter& write)>& produce);

// The file's length in bytes, or nothing when it cannot be found.
std::optional<std::uintmax_t> fileLength(const std::filesystem::path& path);

// The folder that holds the running program's executable.
std::filesystem::path programFolder();

}  // namespace pelin::platform
