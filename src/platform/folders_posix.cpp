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

namespace {

// The XDG base folder named by `variable`, or `fallback` in the home folder.
std::filesystem::path baseFolder(const char* variable, const std::filesystem::path& fallback) {
    const char* value = std::getenv(variable);
    if (value && std::filesystem::path(value).is_absolute()) return value;
    return homeFolder() / fallback;
}

}  // namespace

std::filesystem::path userConfigFolder() { return baseFolder("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path userDataFolder() {
    return baseFolder("XDG_DATA_HOME", std::filesystem::path(".local") / "share");
}

std::vector<std::filesystem::path> systemProgramFolders() {
    // /usr/local too: what "make install" puts there is the system's as much as
    // a package is. /app is a Flatpak's own tree, /snap and /nix/store hold
    // packages of their own kinds.
    return {"/usr", "/opt", "/bin", "/sbin", "/lib", "/lib32", "/lib64", "/libx32", "/app", "/snap", "/nix/store"};
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
