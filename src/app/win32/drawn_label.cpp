#include "app/win32/drawn_label.h"

#include <algorithm>
#include <cmath>

#include "form/win32/dpi.h"
#include "form/win32/wide_text.h"

namespace pelin::app::win32 {

using form::win32::twips;

namespace {

SIZE textSize(HDC dc, HFONT font, const text::Text& caption) {
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(caption.c_str()), static_cast<int>(caption.size()),
                          &size);
    SelectObject(dc, previous);
    return size;
}

}  // namespace

void DrawnLabel::layout(int dpi) {
    HDC dc = GetDC(nullptr);
    form::win32::FontStyle used = style;
    font = form::win32::uiFont(used, dpi);
    if (fitWidth > 0) {
        while (used.pointSize > 8.0 && textSize(dc, font.get(), caption).cx > twips(fitWidth, dpi)) {
            used.pointSize -= 0.25;
            font = form::win32::uiFont(used, dpi);
        }
    }
    const SIZE needed = textSize(dc, font.get(), caption);
    TEXTMETRICW metrics{};
    HGDIOBJ previous = SelectObject(dc, font.get());
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);

    const int designAscent = static_cast<int>(std::lround(form::win32::fontPixels(used.pointSize, dpi) * 0.88));
    const int lift = std::max(0, static_cast<int>(metrics.tmAscent) - designAscent);
    place.left = twips(left, dpi);
    place.top = twips(top, dpi) - lift;
    place.right = place.left + std::max(twips(width, dpi), static_cast<int>(needed.cx));
    place.bottom = place.top + std::max(twips(height, dpi) + lift, static_cast<int>(needed.cy));
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
