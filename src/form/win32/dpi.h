#pragma once
// Twips (1/1440 inch) as pixels at a window's dots per inch: 15 twips to a
// pixel at 96. Places and sizes of the program's windows are kept in twips and
// become pixels at the DPI of the window they are shown in.
#include <cmath>

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

constexpr UINT kDefaultDpi = 96;

constexpr int twipsToPixels(double twips, UINT dpi) {
    const double pixels = twips * static_cast<double>(dpi) / 1440.0;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

// The dots per inch `window` is shown at (96 for a program that does not say
// it is aware of them).
inline UINT dpiOf(HWND window) {
    const UINT dpi = window ? GetDpiForWindow(window) : 0;
    return dpi ? dpi : kDefaultDpi;
}

// `value` pixels at 96 DPI in pixels at `dpi`.
inline int scaled(int value, int dpi) { return static_cast<int>(std::lround(double(value) * dpi / kDefaultDpi)); }
}  // namespace pelin::form::win32
