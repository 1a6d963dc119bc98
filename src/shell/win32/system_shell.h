#pragma once
// The shell on Windows: the system's own property sheet of a file, the
// system's Internet options, and the user's browser through the system's
// opener for an address.
#include "form/services.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::shell::win32 {

using text::Text;
using text::TextView;

class SystemShell : public form::Shell {
public:
    // The property sheet and any window the system shows belong to `owner`
    // (the main window); without one, to the program's active window.
    explicit SystemShell(HWND owner = nullptr) : owner_(owner) {}
    void setOwner(HWND owner) { owner_ = owner; }

    // The sheet opens beside the program, which does not wait for it; a path
    // the system cannot show (empty, missing) shows nothing.
    void showFileProperties(TextView path) override;
    // The Internet options control panel (inetcpl.cpl) through rundll32.
    bool showInternetOptions() override;
    // The system opens the address with the program registered for it; when
    // there is none, or it cannot be started, `failed` is told at once, with
    // the system's reason.
    void openInBrowser(TextView url, std::function<void(Text reason)> failed) override;

private:
    HWND owner() const;
    HWND owner_;
};

// The program's words for a browser that could not be started with the
// Windows error `code`, followed by the system's own.
Text browserFailure(DWORD code);

}  // namespace pelin::shell::win32
