#pragma once
// What the program's top-level windows share beyond their controls: their
// window class, the program's icon, a size given by the client area in twips,
// and coming to the front when shown again.
// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

// Registers a window class of the program once (later calls find it there):
// arrow pointer, the dialog face as background, no icon of its own (each
// window takes the program's, sized for its DPI).
void registerWindowClass(const wchar_t* name, WNDPROC procedure);

// The window procedure's object: kept on the window from WM_NCCREATE, whose
// creation parameter it is, until the window is gone.
template <typename Window>
Window* windowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* object = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return object;
    }
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Gives `window` the program's icon (the first icon of the program file, as
// the desktop shows it) at the sizes its title bar and the task switcher use
// at its DPI; again after each DPI change. The icons go with the window.
void showProgramIcon(HWND window);

// Sizes `window` so that its client area, below its menu bar if it has one, is
// `width` × `height` twips at the window's DPI.
void sizeClientArea(HWND window, double width, double height);

// Puts `window` in the middle of `owner`, kept inside the work area of the
// screen `owner` is on.
void centreOver(HWND window, HWND owner);

// Shows `window`, restored if it was minimised, and brings it to the front.
void bringForward(HWND window);

}  // namespace pelin::form::win32
