#include "settings/settings_location.h"

#include <algorithm>
#include <cwctype>
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

namespace {

// Windows does not tell names apart by letter case.
bool sameName(const std::filesystem::path& a, const std::filesystem::path& b) {
#ifdef _WIN32
    const std::wstring& x = a.native();
    const std::wstring& y = b.native();
    return x.size() == y.size() && std::equal(x.begin(), x.end(), y.begin(), [](wchar_t c, wchar_t d) {
               return std::towlower(c) == std::towlower(d);
           });
#else
    return a == b;
#endif
}

// The names of the path's folders, without the empty name a separator at its end leaves.
std::vector<std::filesystem::path> namesOf(const std::filesystem::path& path) {
    std::vector<std::filesystem::path> names;
    for (const std::filesystem::path& name : path.lexically_normal())
        if (!name.empty()) names.push_back(name);
    return names;
}

}  // namespace

bool isSystemFolder(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& systemFolders) {
    const std::vector<std::filesystem::path> names = namesOf(folder);
    return std::any_of(systemFolders.begin(), systemFolders.end(), [&](const std::filesystem::path& system) {
        const std::vector<std::filesystem::path> systemNames = namesOf(system);
        return !systemNames.empty() && systemNames.size() <= names.size() &&
               std::equal(systemNames.begin(), systemNames.end(), names.begin(), sameName);
    });
}

std::filesystem::path chooseUserCharacterFolder(const std::filesystem::path& dataFolder,
                                                const std::filesystem::path& userFolder) {
    // Not even tried in the system's folders, where only the package tools write.
    return !isSystemFolder(dataFolder) && canCreateFilesIn(dataFolder) ? std::filesystem::path() : userFolder;
}

std::filesystem::path chooseSettingsFolder(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& userFolder,
                                           const std::filesystem::path& installedData) {
    // An installed program's folder belongs to the system's package tools: a file
    // written there, even by an administrator, would stay behind when the program
    // is removed, and every other user would share it.
    if (isSystemFolder(programFolder) || chooseDataFolder(programFolder, installedData) != programFolder)
        return userFolder;
    return canCreateFilesIn(programFolder) ? programFolder : userFolder;
}

bool createSettingsFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace pelin::settings
