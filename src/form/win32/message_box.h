#pragma once
// Message boxes as the program asks for them (services.h), shown by the system.
#include "form/services.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

class Win32MessageBox : public MessageBoxService {
public:
    // The box belongs to `owner`; without one, to the program's active window
    // when it is shown (and to none when the program has no window up).
    explicit Win32MessageBox(HWND owner = nullptr) : owner_(owner) {}
    void setOwner(HWND owner) { owner_ = owner; }

    int show(TextView prompt, int flags, TextView title) override;

private:
    HWND owner_;
};

// The MessageBoxW style for the program's flags: their values are the system's own.
UINT messageBoxStyle(int flags, bool owned);

}  // namespace pelin::form::win32
