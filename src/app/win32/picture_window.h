#pragma once
// What the splash and the version window share: a window class of their own,
// the DPI they are laid out for, centring on the screen and painting without
// flicker.
#include <functional>

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::app::win32 {

// Registers the class `name` once, with `procedure`, a white background and the
// arrow pointer.
void registerWindowClass(const wchar_t* name, WNDPROC procedure);

// The DPI the window is shown at.
int windowDpi(HWND window);

// Gives the window a client area of `width` × `height` pixels and centres it on
// the work area of its screen (the primary screen for a window not yet shown).
void sizeAndCentre(HWND window, int width, int height, int dpi);

// Paints the window: `draw` draws everything into a white picture of the
// client area, which then goes to the screen at once.
void paintBuffered(HWND window, const std::function<void(HDC dc, const RECT& client)>& draw);

// A horizontal or vertical rule of the windows' dark grey, as thick as one
// pixel at 96 DPI is at `dpi`.
void drawRule(HDC dc, int x, int y, int length, bool horizontal, int dpi);

inline constexpr COLORREF kDarkGrey = RGB(64, 64, 64);

}  // namespace pelin::app::win32
