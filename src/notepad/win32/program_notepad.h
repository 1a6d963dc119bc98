#pragma once
// The program's one notepad: made on first use, owned by no window (it
// outlives the main window), its text replaced and brought forward when shown
// again. While a main window is linked, 名前をつけて保存 borrows its common
// dialog; once it is unlinked, a dialog of the notepad's own stands in.
#include <memory>

#include "notepad/win32/notepad_window.h"

namespace pelin::notepad::win32 {

class ProgramNotepad {
public:
    // `dialogs` shows the notepad's own dialog; it and the services must
    // outlive the notepad.
    ProgramNotepad(NotepadServices services, form::CommonDialogBackend& dialogs);
    ~ProgramNotepad();
    ProgramNotepad(const ProgramNotepad&) = delete;
    ProgramNotepad& operator=(const ProgramNotepad&) = delete;

    void linkMainWindow(MainWindowLink mainWindow);
    // The main window is going.
    void unlinkMainWindow();

    // Shows `text`, read from `file` (empty: from no file the user may change)
    // in `charset`, unless the user keeps unsaved edits of the text shown
    // before: what WindowService::showNotepad asks for.
    void show(TextView text, TextView file, text::PageCharset charset = text::PageCharset::Cp932);
    // The notepad while it is open; null before the first show and once closed.
    NotepadWindow* window() const;

private:
    struct State;
    NotepadServices services_;
    std::shared_ptr<State> state_;  // shared with the window's link
    std::unique_ptr<NotepadWindow> window_;
};

}  // namespace pelin::notepad::win32
