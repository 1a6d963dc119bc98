#include "app/settings_location.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace pelin::app {

namespace {
QString toQt(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
}  // namespace

bool canCreateFilesIn(const std::filesystem::path& folder) {
    if (folder.empty() || !QDir(toQt(folder)).exists()) return false;
    QTemporaryFile probe(toQt(folder / "Pelin.ini.XXXXXX"));
    return probe.open();  // removed again when `probe` goes
}

std::filesystem::path chooseSettingsFolder(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& userFolder) {
    if (canCreateFilesIn(programFolder)) return programFolder;
    QDir().mkpath(toQt(userFolder));
    return userFolder;
}

std::filesystem::path userSettingsFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path((base + QStringLiteral("/pelin")).toStdString());
}

}  // namespace pelin::app
