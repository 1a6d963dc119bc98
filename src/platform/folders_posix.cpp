#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "platform/folders.h"
#include "platform/posix_fd.h"

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

Result<> makeFolder(const std::filesystem::path& path) {
    if (::mkdir(path.c_str(), 0777) == 0) return {};
    const int error = errno;
    struct stat there {};
    if (error == EEXIST && ::stat(path.c_str(), &there) == 0 && S_ISDIR(there.st_mode)) return {};
    return posix::errorOf(path, error == EEXIST ? ENOTDIR : error);
}

}  // namespace pelin::platform
