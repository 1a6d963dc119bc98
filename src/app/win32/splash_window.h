#pragma once
// frmSplash: the product name and version beside the mascot. Its timer fires
// once, 300 ms after the window is made; the tick hands over to the main
// window and then closes the splash.
#include <functional>

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::app::win32 {

inline constexpr UINT kSplashMilliseconds = 300;

// Makes the splash window and shows it, centred on the screen. `showMain` runs
// on the tick, while the splash is still up; it shows the main window (whose
// start-up runs inside it) and returns when that window is up. The splash then
// goes. Returns the splash's handle (null when it could not be made, and then
// `showMain` has already run).
HWND showSplashWindow(std::function<void()> showMain);

}  // namespace pelin::app::win32
