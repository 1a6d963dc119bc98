#include "settings/settings_location.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "platform/folders.h"

namespace pelin::settings {

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

std::filesystem::path userSettingsFolder() { return platform::userConfigFolder() / "pelin"; }

std::filesystem::path userDataFolder() { return platform::userDataFolder() / "pelin"; }

std::filesystem::path installedDataFromProgram() { return PELIN_DATA_FROM_PROGRAM; }

std::filesystem::path chooseDataFolder(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& installedData) {
    std::error_code error;
    const std::filesystem::path installed = (programFolder / installedData).lexically_normal();
    return std::filesystem::is_regular_file(installed / "readme.txt", error) ? installed : programFolder;
}

std::filesystem::path chooseUserCharacterFolder(const std::filesystem::path& dataFolder,
                                                const std::filesystem::path& userFolder) {
    return canCreateFilesIn(dataFolder) ? std::filesystem::path() : userFolder;
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
