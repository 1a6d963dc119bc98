#pragma once
// The fonts the program names, made for a window's dots per inch. A face the
// system lacks gives way to the next one named, and at last to the system's
// message font, at the size asked for.
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

struct FontSpec {
    std::vector<std::wstring> faces;  // in order of preference
    double points = 9;
    bool bold = false;
    bool underline = false;
};

// The font of the program's windows: ＭＳ Ｐゴシック where the system has it.
FontSpec uiFont(double points, bool bold = false, bool underline = false);

struct FontDeleter {
    void operator()(HFONT font) const {
        if (font) DeleteObject(font);
    }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The first of `wanted`'s faces the system has, or its message font, at
// `wanted.points` for `dpi` dots per inch.
Font makeFont(const FontSpec& wanted, UINT dpi);
// The em height in pixels of a `points` font at `dpi`.
int fontPixels(double points, UINT dpi);
// Whether the system has a font of that face.
bool haveFace(const std::wstring& face);

}  // namespace pelin::form::win32
