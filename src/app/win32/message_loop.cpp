#include "app/win32/message_loop.h"

#include "form/win32/binder.h"

namespace pelin::app::win32 {

int runMessageLoop(ProgramWindows& windows) {
    MSG message;
    while (!windows.noneLeft()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);  // WM_QUIT
        if (got < 0) return 1;
        // Menu shortcuts first, then the keys of dialog navigation (Tab, the
        // arrow keys, Enter and Esc) in the window the user works in.
        if (form::win32::Binder::translateAccelerator(message)) continue;
        HWND active = GetActiveWindow();
        if (active && IsDialogMessageW(active, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace pelin::app::win32
