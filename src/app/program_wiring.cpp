#include "app/program_wiring.h"

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
    // The dialog lives until it is closed, as every other window does: it
    // leaves the main window when that goes, and its OK then changes nothing.
    QObject::connect(&window, &wizard::qt::Form1Window::aboutToBeDestroyed, [](wizard::qt::Form1Window* gone) {
        auto* dialog = gone->findChild<character::qt::CharacterDialog*>(QString(), Qt::FindDirectChildrenOnly);
        if (!dialog) return;
        const bool shown = dialog->isVisible();
        const QPoint at = dialog->pos();
        dialog->setParent(nullptr, dialog->windowFlags());
        dialog->move(at);
        if (shown) dialog->show();
    });
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
    auto* window = new wizard::qt::Form1Window(services, *context.ini, {context.dataFolder, false}, &iconMenus());
    platform.setParentWindow(window);
    linkNotepad(platform.notepad, *window);
    platform.windows.characterDialog =
        characterDialogOf(*window, platform.pictures, *context.ini, {context.dataFolder, context.userCharacterFolder});
    window->Form_Load();
    window->show();
    return window;
}

}  // namespace pelin::app
