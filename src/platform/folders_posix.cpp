#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "platform/folders.h"

namespace pelin::platform {

std::filesystem::path homeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? std::filesystem::path(home) : std::filesystem::path("/");
}

std::filesystem::path userConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && std::filesystem::path(config).is_absolute()) return config;
    return homeFolder() / ".config";
}

Result<std::filesystem::path> createTemporaryFolder(std::string_view prefix) {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) base = ".";
    std::string name = (base / prefix).string() + "-XXXXXX";
    if (!::mkdtemp(name.data())) return FileError{base, std::strerror(errno)};
    return std::filesystem::path(name);
}

}  // namespace pelin::platform
