#pragma once
// Dialog on the screen: the character list, the preview and the three buttons,
// bound to the character dialog's model; the model's table places them. A
// fixed-size window owned by the main window (so it has no task-bar entry of
// its own), shown without being modal.
#include <functional>
#include <memory>

#include "character/dialog.h"
#include "form/win32/binder.h"
#include "form/win32/fonts.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::character::win32 {

class CharacterDialog {
public:
    // Makes the dialog, hidden, its list not yet read; the services outlive it.
    CharacterDialog(DialogServices services, CharacterFolders folders, HWND owner);
    // Destroys the window if it is still there.
    ~CharacterDialog();
    CharacterDialog(const CharacterDialog&) = delete;
    CharacterDialog& operator=(const CharacterDialog&) = delete;

    HWND handle() const { return window_; }
    // Once the window has been closed, its model and binder are gone.
    bool closed() const { return !form_.bound(); }
    Dialog& model() { return form_.model(); }
    form::win32::Binder& binder() { return form_.binder(); }

    // Reads the list afresh and empties the preview (the model's Form_Load).
    void load();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    // Everything but the window itself: the model, its controls and their binding.
    void build(DialogServices services, CharacterFolders folders);
    void showHeading(UINT dpi);

    HWND window_ = nullptr;
    HWND heading_ = nullptr;
    HWND focus_ = nullptr;  // the control that has the focus while the dialog is active
    form::win32::Font headingFont_;
    form::win32::BoundForm<Dialog> form_;
};

// A way to show the character dialog of `owner` (the main window): made and
// loaded on first use, brought forward while it is open, nothing once `owner`
// is gone. "OK" hands the chosen picture to `setMainPicture` at once.
std::function<void()> characterDialogOpener(DialogServices services, CharacterFolders folders, HWND owner,
                                            std::function<void(std::shared_ptr<form::Picture>)> setMainPicture);

}  // namespace pelin::character::win32
