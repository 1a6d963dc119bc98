#pragma once
// What the program hands the main window: the platform services and the folders
// it works with. The main window is created by the splash's tick; the windows
// that need it (the notepad, the character dialog) are linked to it here.
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "character/dialog.h"
#include "form/qt/common_dialog_backend.h"
#include "form/qt/message_box.h"
#include "form/qt/platform_services.h"
#include "form/qt/window_service.h"
#include "notepad/qt/program_notepad.h"
#include "settings/settings_file.h"
#include "shell/qt/file_shell.h"
#include "wizard/qt/form1_window.h"

namespace pelin::app {

struct ProgramServices {
    form::qt::QtMessageBox messageBox;
    form::qt::QtCommonDialogBackend dialogs;
    form::qt::QtPictureLoader pictures;
    form::qt::QtClipboard clipboard;
    shell::qt::FileShell shell;
    form::qt::QtWindowService windows;
    notepad::qt::ProgramNotepad notepad{dialogs};

    // The notepad and the version window are there from the start; the
    // character dialog comes with the main window.
    ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    form::Services services() { return {messageBox, dialogs, pictures, clipboard, shell, windows}; }
    // Dialogs and messages belong to the main window once it exists.
    void setParentWindow(QWidget* window) {
        messageBox.setParent(window);
        dialogs.setParent(window);
        shell.setParent(window);
    }
};

struct ProgramContext {
    std::filesystem::path dataFolder;           // the readme and the characters
    std::filesystem::path settingsFolder;       // "Pelin.ini"
    std::filesystem::path userCharacterFolder;  // the user's own characters; empty for none
    ProgramServices platform;
    std::unique_ptr<settings::SettingsFile> ini;  // made with the main window
};

// Creates the main window, runs its start-up (which may open the source dialog)
// and shows it. Returns the window, which deletes itself when closed.
QWidget* showMainWindow(ProgramContext& context);

// While `window` lives, the notepad's save-as borrows its common dialog.
void linkNotepad(notepad::qt::ProgramNotepad notepad, wizard::qt::Form1Window& window);

// Shows the character dialog of `window`; "OK" gives the window its picture.
std::function<void()> characterDialogOf(wizard::qt::Form1Window& window, form::PictureLoader& pictures,
                                        settings::SettingsFile& ini, character::CharacterFolders folders);

// The program's icon in every size it ships.
QIcon programIcon();

}  // namespace pelin::app
