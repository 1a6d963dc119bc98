#pragma once
// The Japanese UI font the program's windows were drawn for, at a window's DPI,
// with what this system has in its place when it lacks that font.
#include <memory>
#include <string>
#include <type_traits>

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

struct FontStyle {
    double pointSize = 9;
    bool bold = false;
    bool underline = false;
};

// "ＭＳ Ｐゴシック" when the system has it (or has a font standing in for it
// under that name), else the first Japanese font of a few the systems have,
// else whatever Japanese font the system's font mapper picks.
const std::wstring& uiFontFace();

// The UI font in `style`, its size in points at `dpi`.
Font uiFont(const FontStyle& style, int dpi);

// The font's em height in pixels at `dpi` for `pointSize`.
int fontPixels(double pointSize, int dpi);

}  // namespace pelin::form::win32
