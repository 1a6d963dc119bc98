#pragma once
// The program's one notepad: created on first use without a parent (it outlives
// the main window), its text replaced and brought forward when shown again.
// While a main window is linked, 名前をつけて保存 borrows its common dialog; once
// it is unlinked, a dialog of the notepad's own stands in. Copies are handles on
// the same notepad.
#include <memory>

#include "form/services.h"
#include "notepad/form4.h"

namespace pelin::notepad::qt {

class NotepadWindow;

class ProgramNotepad {
public:
    // `dialogs` shows the notepad's own dialog; it must outlive the notepad window.
    explicit ProgramNotepad(form::CommonDialogBackend& dialogs);

    void linkMainWindow(MainWindowLink mainWindow);
    // The main window is going.
    void unlinkMainWindow();

    // Shows `text`, read from `file` (empty: from no file the user may change) in
    // `charset`, unless the user keeps unsaved edits of the text shown before.
    void show(TextView text, TextView file, text::PageCharset charset = text::PageCharset::Cp932);
    NotepadWindow* window() const;

private:
    struct State;
    std::shared_ptr<State> state_;  // shared with the window's link
};

}  // namespace pelin::notepad::qt
