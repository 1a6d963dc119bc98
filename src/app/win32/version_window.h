#pragma once
// Form2: the version window. Its "OK" label behaves like a link: pink under the
// pointer, black again once the pointer crosses the window's own background;
// clicking it closes the window.
// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::app::win32 {

inline constexpr COLORREF kOkHoverColour = RGB(255, 153, 255);

// Shows the program's one version window, owned by `owner` (the main window,
// which stays usable): made on first use, brought forward while it is open.
// Returns its handle.
HWND showVersionWindow(HWND owner);

// The colour the "OK" label is drawn in now (black or kOkHoverColour).
COLORREF versionOkColour(HWND versionWindow);

}  // namespace pelin::app::win32
