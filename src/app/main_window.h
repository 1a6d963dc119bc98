#pragma once
// What the program hands the main window: the platform services and the folders
// it works with. The main window is created by the splash's tick.
#include <QWidget>
#include <filesystem>
#include <memory>

#include "app/window_service.h"
#include "form/qt/common_dialog_backend.h"
#include "form/qt/message_box.h"
#include "form/qt/platform_services.h"
#include "settings/settings_file.h"
#include "shell/qt/file_shell.h"

namespace pelin::app {

struct ProgramServices {
    form::qt::QtMessageBox messageBox;
    form::qt::QtCommonDialogBackend dialogs;
    form::qt::QtPictureLoader pictures;
    form::qt::QtClipboard clipboard;
    shell::qt::FileShell shell;
    QtWindowService windows;

    form::Services services() { return {messageBox, dialogs, pictures, clipboard, shell, windows}; }
    // Dialogs and messages belong to the main window once it exists.
    void setParentWindow(QWidget* window) {
        messageBox.setParent(window);
        dialogs.setParent(window);
        shell.setParent(window);
    }
};

struct ProgramContext {
    std::filesystem::path programFolder;   // the readme and the characters
    std::filesystem::path settingsFolder;  // "Pelin.ini"
    ProgramServices platform;
    std::unique_ptr<settings::SettingsFile> ini;  // made with the main window
};

// Creates the main window, runs its start-up (which may open the source dialog)
// and shows it. Returns the window, which deletes itself when closed.
QWidget* showMainWindow(ProgramContext& context);

// The program's icon in every size it ships.
QIcon programIcon();

}  // namespace pelin::app
