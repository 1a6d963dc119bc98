#include "form/win32/ui_font.h"

#include <cmath>

namespace pelin::form::win32 {

namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool hasFont(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

const std::wstring& uiFontFace() {
    static const std::wstring face = [] {
        for (const wchar_t* candidate :
             {L"ＭＳ Ｐゴシック", L"MS PGothic", L"Meiryo UI", L"Yu Gothic UI", L"Noto Sans CJK JP", L"IPAPGothic"})
            if (hasFont(candidate)) return std::wstring(candidate);
        return std::wstring();
    }();
    return face;
}

int fontPixels(double pointSize, int dpi) { return static_cast<int>(std::lround(pointSize * dpi / 72.0)); }

Font uiFont(const FontStyle& style, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -fontPixels(style.pointSize, dpi);
    font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = style.underline ? TRUE : FALSE;
    // Japanese, so that a missing face falls back to a font with the glyphs.
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    wcsncpy(font.lfFaceName, uiFontFace().c_str(), LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}

}  // namespace pelin::form::win32
