#pragma once
// A main window over fake services and a temporary program folder, for the
// windows that hang off it; and saving what a window looks like.
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <memory>

#include "app/window_service.h"
#include "settings/settings_file.h"
#include "support/temp_dir.h"
#include "wizard/fakes.h"
#include "wizard/qt/form1_window.h"

namespace pelin::testing {

struct MainWindowFixture {
    TempDir program;
    settings::SettingsFile ini{program.path()};
    RecordingMessages messages;
    ScriptedDialogs dialogs;
    FakePictures pictures;
    FakeClipboard clipboard;
    FakeShell shell;
    app::QtWindowService windows;
    form::Services services{messages, dialogs, pictures, clipboard, shell, windows};
    QPointer<wizard::qt::Form1Window> main = new wizard::qt::Form1Window(services, ini, {program.path(), false});

    ~MainWindowFixture() { delete main.data(); }
};

// With PELIN_SHOTS set to a folder, saves the window there as `name`.png.
inline void saveShot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("PELIN_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window.grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

}  // namespace pelin::testing
