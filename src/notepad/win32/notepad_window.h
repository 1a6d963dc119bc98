#pragma once
// Form4 on the screen: the notepad model bound to its editor and menu bar. The
// editor is the truth while the user types; the binder hands its text to the
// model before a command runs and shows what the command changed as one edit,
// so that the editor's own undo still reaches back over it.
#include <vector>

#include "form/win32/binder.h"
#include "form/win32/fonts.h"
#include "notepad/form4.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::notepad::win32 {

// The platform services the notepad asks for; each outlives the window.
struct NotepadServices {
    form::MessageBoxService& messageBox;
    form::Clipboard& clipboard;
    form::Shell& shell;
};

class NotepadWindow {
public:
    // Makes the window, hidden, at the place the system gives new windows.
    NotepadWindow(NotepadServices services, MainWindowLink mainWindow);
    // Destroys the window if the user has not closed it, without a question.
    ~NotepadWindow();
    NotepadWindow(const NotepadWindow&) = delete;
    NotepadWindow& operator=(const NotepadWindow&) = delete;

    HWND handle() const { return window_; }
    // Once the window has been closed, its model and binder are gone.
    bool closed() const { return !form_.bound(); }
    Form4& model() { return form_.model(); }
    form::win32::Binder& binder() { return form_.binder(); }
    HWND editor() const { return editor_; }

    // Shows `text`, which belongs to `file` (empty: to none), in place of the
    // text held (a new document: the editor's undo starts afresh), once unsaved
    // edits are saved or given up. False when the user keeps them.
    bool open(TextView text, TextView file = {}, text::PageCharset charset = text::PageCharset::Cp932);
    // Runs a menu item's command as a click on it does.
    void runCommand(form::MenuItem& item);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK editorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
    static LRESULT CALLBACK queueHook(int code, WPARAM removed, LPARAM message);
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    // Everything but the window itself: the model, its controls and their binding.
    void build(MainWindowLink mainWindow);
    void makeEditor();
    // What the Delete key does in the editor with the caret at `caret`.
    void deleteNext(DWORD caret);
    // True when the window may go: no unsaved edits, or the user saved them or
    // gave them up.
    bool mayClose();

    NotepadServices services_;
    HWND window_ = nullptr;
    HWND editor_ = nullptr;
    form::win32::Font editorFont_;
    form::win32::BoundForm<Form4> form_;
    // The notepads of the thread, whose queue the hook watches while there is one.
    static std::vector<NotepadWindow*> notepads_;
    static HHOOK hook_;
};

}  // namespace pelin::notepad::win32
