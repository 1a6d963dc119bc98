#include "form/win32/fonts.h"

#include <cmath>

namespace pelin::form::win32 {

namespace {

int CALLBACK faceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

LOGFONTW messageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return metrics.lfMessageFont;
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font;
}

}  // namespace

FontSpec uiFont(double points, bool bold, bool underline) {
    // The Japanese faces of every Windows come after the program's own, and
    // those of other systems (under Wine) last.
    return FontSpec{{L"ＭＳ Ｐゴシック", L"MS PGothic", L"MS UI Gothic", L"Meiryo UI", L"Yu Gothic UI",
                     L"Noto Sans CJK JP", L"IPAPGothic"},
                    points,
                    bold,
                    underline};
}

int fontPixels(double points, UINT dpi) { return static_cast<int>(std::lround(points * dpi / 72.0)); }

bool haveFace(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
    HDC screen = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesExW(screen, &wanted, faceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

Font makeFont(const FontSpec& wanted, UINT dpi) {
    LOGFONTW font = messageFont(dpi);
    for (const std::wstring& face : wanted.faces) {
        if (face.size() >= LF_FACESIZE || !haveFace(face)) continue;
        lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
        font.lfCharSet = DEFAULT_CHARSET;
        break;
    }
    // A negative height asks for the character's own height, as a point size means.
    font.lfHeight = -fontPixels(wanted.points, dpi);
    font.lfWidth = 0;
    font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = wanted.underline ? TRUE : FALSE;
    return Font(CreateFontIndirectW(&font));
}

}  // namespace pelin::form::win32
