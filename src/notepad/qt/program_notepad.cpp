#include "notepad/qt/program_notepad.h"

#include <QPointer>

#include "form/qt/bring_forward.h"
#include "notepad/qt/notepad_window.h"

namespace pelin::notepad::qt {

struct ProgramNotepad::State {
    explicit State(form::CommonDialogBackend& backend) : dialogs(backend) {}

    form::CommonDialogBackend& dialogs;
    MainWindowLink main;  // empty while no main window is linked
    std::unique_ptr<form::CommonDialog> ownDialog;
    QPointer<NotepadWindow> window;

    form::CommonDialog& commonDialog() {
        if (main.commonDialog) return main.commonDialog();
        if (!ownDialog) ownDialog = std::make_unique<form::CommonDialog>(dialogs);
        return *ownDialog;
    }
};

ProgramNotepad::ProgramNotepad(form::CommonDialogBackend& dialogs) : state_(std::make_shared<State>(dialogs)) {}

void ProgramNotepad::linkMainWindow(MainWindowLink mainWindow) { state_->main = std::move(mainWindow); }

void ProgramNotepad::unlinkMainWindow() { state_->main = {}; }

void ProgramNotepad::show(TextView text, TextView file, text::PageCharset charset) {
    if (!state_->window) {
        MainWindowLink link;
        link.commonDialog = [state = state_]() -> form::CommonDialog& { return state->commonDialog(); };
        state_->window = new NotepadWindow(std::move(link));
    }
    // Kept edits stay in front of the user, with the new text not shown.
    state_->window->open(text, file, charset);
    if (state_->window) form::qt::bringForward(*state_->window);
}

NotepadWindow* ProgramNotepad::window() const { return state_->window.data(); }

}  // namespace pelin::notepad::qt
