#pragma once
// The system's clipboard, as text (CF_UNICODETEXT; the system converts the
// other text formats to it).
#include "form/services.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

class Win32Clipboard : public Clipboard {
public:
    Win32Clipboard() = default;
    ~Win32Clipboard() override;
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;

    bool hasText() override;
    Text text() override;
    // Puts `text` on the clipboard in place of what it held.
    void setText(TextView text) override;

private:
    bool open();
    // Text put on the clipboard belongs to a window; this hidden one, made on
    // first use, is the clipboard's own.
    HWND window_ = nullptr;
};

}  // namespace pelin::form::win32
