#include "app/main_window.h"

#include <QIcon>
#include <QPointer>

#include "app/icon_menus.h"
#include "app/version_window.h"
#include "character/qt/character_dialog.h"

namespace pelin::app {

QIcon programIcon() {
    // Rendered for each size from a drawing that stays readable at 16 pixels;
    // the icon takes the one that fits the screen's pixels.
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"})
        icon.addFile(QStringLiteral(":/pelin/pelin-") + QLatin1String(size) + QStringLiteral(".png"));
    return icon;
}

ProgramServices::ProgramServices() {
    windows.notepad = [this](form::TextView text, form::TextView file, text::PageCharset charset) {
        notepad.show(text, file, charset);
    };
    windows.versionWindow = [] { showVersionWindow(); };
}

void linkNotepad(notepad::qt::ProgramNotepad notepad, wizard::qt::Form1Window& window) {
    // The link is dropped as the window goes, so it never outlives the window.
    wizard::qt::Form1Window* main = &window;
    notepad.linkMainWindow({[main]() -> form::CommonDialog& { return main->model().commonDialog(); }});
    QObject::connect(&window, &wizard::qt::Form1Window::aboutToBeDestroyed,
                     [notepad]() mutable { notepad.unlinkMainWindow(); });
}

std::function<void()> characterDialogOf(wizard::qt::Form1Window& window, form::PictureLoader& pictures,
                                        settings::SettingsFile& ini, character::CharacterFolders folders) {
    QPointer<wizard::qt::Form1Window> main(&window);
    return character::qt::characterDialogOpener(pictures, ini, std::move(folders), window,
                                                [main](std::shared_ptr<form::Picture> picture) {
                                                    if (!main) return;
                                                    main->model().picture = std::move(picture);
                                                    main->refresh();
                                                });
}

QWidget* showMainWindow(ProgramContext& context) {
    if (!context.ini) context.ini = std::make_unique<settings::SettingsFile>(context.settingsFolder);
    ProgramServices& platform = context.platform;
    form::Services services = platform.services();
    auto* window = new wizard::qt::Form1Window(services, *context.ini, {context.programFolder, false}, &iconMenus());
    platform.setParentWindow(window);
    linkNotepad(platform.notepad, *window);
    platform.windows.characterDialog = characterDialogOf(*window, platform.pictures, *context.ini,
                                                         {context.programFolder, context.userCharacterFolder});
    window->Form_Load();
    window->show();
    return window;
}

}  // namespace pelin::app
