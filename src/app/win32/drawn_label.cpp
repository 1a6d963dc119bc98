#include "app/win32/drawn_label.h"

#include <algorithm>
#include <cmath>

#include "form/win32/dpi.h"

namespace pelin::app::win32 {

using form::win32::twipsToPixels;

namespace {

SIZE textSize(HDC dc, HFONT font, const text::Text& caption) {
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(caption.c_str()), static_cast<int>(caption.size()),
                          &size);
    SelectObject(dc, previous);
    return size;
}

form::win32::Font labelFont(const LabelStyle& style, int dpi) {
    return form::win32::makeFont(form::win32::uiFont(style.pointSize, style.bold, style.underline),
                                 static_cast<UINT>(dpi));
}

}  // namespace

void DrawnLabel::layout(int dpi) {
    HDC dc = GetDC(nullptr);
    LabelStyle used = style;
    font = labelFont(used, dpi);
    if (fitWidth > 0) {
        while (used.pointSize > 8.0 && textSize(dc, font.get(), caption).cx > twipsToPixels(fitWidth, dpi)) {
            used.pointSize -= 0.25;
            font = labelFont(used, dpi);
        }
    }
    const SIZE needed = textSize(dc, font.get(), caption);
    TEXTMETRICW metrics{};
    HGDIOBJ previous = SelectObject(dc, font.get());
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);

    const int designAscent =
        static_cast<int>(std::lround(form::win32::fontPixels(used.pointSize, static_cast<UINT>(dpi)) * 0.88));
    const int lift = std::max(0, static_cast<int>(metrics.tmAscent) - designAscent);
    place.left = twipsToPixels(left, dpi);
    place.top = twipsToPixels(top, dpi) - lift;
    place.right = place.left + std::max(twipsToPixels(width, dpi), static_cast<int>(needed.cx));
    place.bottom = place.top + std::max(twipsToPixels(height, dpi) + lift, static_cast<int>(needed.cy));
}

void DrawnLabel::paint(HDC dc, COLORREF colour) const {
    HGDIOBJ previous = SelectObject(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT box = place;
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(caption.c_str()), static_cast<int>(caption.size()), &box,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, previous);
}

}  // namespace pelin::app::win32
