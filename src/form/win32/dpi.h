#pragma once
// Places and sizes of the program's windows are kept in twips (1/1440 inch, 15
// to a pixel at 96 dots per inch) and become pixels at the DPI of the window
// they are shown in.
#include <cmath>

namespace pelin::form::win32 {

constexpr int kDefaultDpi = 96;

// `value` twips in pixels at `dpi`.
inline int twips(double value, int dpi) { return static_cast<int>(std::lround(value * dpi / 1440.0)); }

// `value` pixels at 96 DPI in pixels at `dpi`.
inline int scaled(int value, int dpi) { return static_cast<int>(std::lround(double(value) * dpi / kDefaultDpi)); }

}  // namespace pelin::form::win32
