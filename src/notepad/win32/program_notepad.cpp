#include "notepad/win32/program_notepad.h"

#include "form/win32/top_window.h"

namespace pelin::notepad::win32 {

struct ProgramNotepad::State {
    explicit State(form::CommonDialogBackend& backend) : dialogs(backend) {}

    form::CommonDialogBackend& dialogs;
    MainWindowLink main;  // empty while no main window is linked
    std::unique_ptr<form::CommonDialog> ownDialog;

    form::CommonDialog& commonDialog() {
        if (main.commonDialog) return main.commonDialog();
        if (!ownDialog) ownDialog = std::make_unique<form::CommonDialog>(dialogs);
        return *ownDialog;
    }
};

ProgramNotepad::ProgramNotepad(NotepadServices services, form::CommonDialogBackend& dialogs)
    : services_(services), state_(std::make_shared<State>(dialogs)) {}

ProgramNotepad::~ProgramNotepad() = default;

void ProgramNotepad::linkMainWindow(MainWindowLink mainWindow) { state_->main = std::move(mainWindow); }

void ProgramNotepad::unlinkMainWindow() { state_->main = {}; }

void ProgramNotepad::show(TextView text, TextView file, text::PageCharset charset) {
    // A notepad the user closed is made anew.
    if (!window()) {
        window_.reset();
        MainWindowLink link;
        link.commonDialog = [state = state_]() -> form::CommonDialog& { return state->commonDialog(); };
        window_ = std::make_unique<NotepadWindow>(services_, std::move(link));
    }
    // Kept edits stay in front of the user, with the new text not shown.
    window_->open(text, file, charset);
    if (window()) form::win32::bringForward(window_->handle());
}

NotepadWindow* ProgramNotepad::window() const { return window_ && !window_->closed() ? window_.get() : nullptr; }

}  // namespace pelin::notepad::win32
