#pragma once
// Saving what a window looks like, for looking at it by eye.
#include <QDir>
#include <QWidget>

namespace pelin::testing {

// With PELIN_SHOTS set to a folder, saves the window there as `name`.png.
inline void saveShot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("PELIN_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window.grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

}  // namespace pelin::testing
