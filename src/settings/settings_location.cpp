#include "settings/settings_location.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace pelin::settings {
namespace {

std::filesystem::path environmentPath(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::filesystem::path(value) : std::filesystem::path();
}

// The program's folder below the XDG base folder named by `variable`, or below
// `fallback` in the home folder.
std::filesystem::path userFolder(const char* variable, const std::filesystem::path& fallback) {
    const std::filesystem::path base = environmentPath(variable);
    if (base.is_absolute()) return base / "pelin";
    std::filesystem::path home = environmentPath("HOME");
    if (home.empty()) home = "/";
    return home / fallback / "pelin";
}

}  // namespace

bool canCreateFilesIn(const std::filesystem::path& folder) {
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) return false;
    // A name no file of the user's has, so that the probe can never touch one.
    std::random_device random;
    std::filesystem::path probe;
    do {
        probe = folder / ("Pelin.ini." + std::to_string(random()) + std::to_string(random()) + ".probe");
    } while (std::filesystem::exists(probe, error));
    if (!std::ofstream(probe)) return false;
    std::filesystem::remove(probe, error);
    return true;
}

std::filesystem::path userSettingsFolder() { return userFolder("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path userDataFolder() { return userFolder("XDG_DATA_HOME", std::filesystem::path(".local") / "share"); }

std::filesystem::path chooseUserCharacterFolder(const std::filesystem::path& programFolder,
                                                const std::filesystem::path& userFolder) {
    return canCreateFilesIn(programFolder) ? std::filesystem::path() : userFolder;
}

std::filesystem::path chooseSettingsFolder(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& userFolder) {
    return canCreateFilesIn(programFolder) ? programFolder : userFolder;
}

bool createSettingsFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace pelin::settings
