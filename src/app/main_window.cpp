#include "app/main_window.h"

#include <QIcon>

#include "app/ui_look.h"
#include "character/qt/character_dialog.h"
#include "notepad/qt/notepad_window.h"
#include "wizard/qt/form1_window.h"

namespace pelin::app {

QIcon programIcon() {
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"})
        icon.addPixmap(bundledPicture(QStringLiteral("pelin-") + QLatin1String(size)));
    return icon;
}

QWidget* showMainWindow(ProgramContext& context) {
    if (!context.ini) context.ini = std::make_unique<settings::SettingsFile>(context.settingsFolder);
    form::Services services = context.platform.services();
    auto* window = new wizard::qt::Form1Window(services, *context.ini, {context.programFolder, false});
    context.platform.setParentWindow(window);
    notepad::qt::attachNotepad(context.platform.windows, context.platform.dialogs, *window);
    character::qt::attachCharacterDialog(context.platform.windows, context.platform.pictures, *context.ini,
                                         context.programFolder, *window);
    window->Form_Load();
    window->show();
    return window;
}

}  // namespace pelin::app
