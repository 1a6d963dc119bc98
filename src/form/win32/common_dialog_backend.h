#pragma once
// The file and colour dialogs behind a form's CommonDialog, shown by the system
// (GetOpenFileNameW, GetSaveFileNameW, ChooseColorW). Each call reads the
// dialog's properties as the caller left them and, on a choice, writes the
// results back; cancelling reports false.
#include "form/services.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

class Win32CommonDialogBackend : public CommonDialogBackend {
public:
    // The dialogs belong to `owner`; without one, to the program's active window.
    explicit Win32CommonDialogBackend(HWND owner = nullptr);
    void setOwner(HWND owner) { owner_ = owner; }

    bool showOpen(CommonDialog& dialog) override;
    bool showSave(CommonDialog& dialog) override;
    bool showColor(CommonDialog& dialog) override;
    Text startFolder(const CommonDialog& dialog) override;

private:
    HWND owner() const;
    bool showFile(CommonDialog& dialog, bool save);

    HWND owner_;
    Text lastFolder_;  // where the last file chosen in this run lay
};

// The OPENFILENAMEW flags for the program's flags. The program asks before a
// file is replaced, in its own words, so the system is never asked to.
DWORD fileDialogFlags(int flags, bool save);

// The CHOOSECOLORW flags for the program's flags.
DWORD colourDialogFlags(int flags);

}  // namespace pelin::form::win32
