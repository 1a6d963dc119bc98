#include "app/settings_location.h"

#include <QStandardPaths>
#include <QUuid>
#include <fstream>
#include <system_error>

#include "form/qt/qt_text.h"

namespace pelin::app {

// The folders are tried by the program's own file calls: Qt's could not reach a
// folder whose name is not UTF-8.
bool canCreateFilesIn(const std::filesystem::path& folder) {
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) return false;
    const std::string unique = QUuid::createUuid().toString(QUuid::Id128).toStdString();
    const std::filesystem::path probe = folder / ("Pelin.ini." + unique);
    if (!std::ofstream(probe)) return false;
    std::filesystem::remove(probe, error);
    return true;
}

std::filesystem::path chooseSettingsFolder(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& userFolder) {
    if (canCreateFilesIn(programFolder)) return programFolder;
    std::error_code error;
    std::filesystem::create_directories(userFolder, error);
    return userFolder;
}

std::filesystem::path userSettingsFolder() {
    return form::qt::toPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) / "pelin";
}

std::filesystem::path chooseUserCharacterFolder(const std::filesystem::path& programFolder,
                                                const std::filesystem::path& userFolder) {
    return canCreateFilesIn(programFolder) ? std::filesystem::path() : userFolder;
}

std::filesystem::path userDataFolder() {
    return form::qt::toPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) / "pelin";
}

}  // namespace pelin::app
