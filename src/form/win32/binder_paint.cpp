// How the binder draws the model's colours: the colour messages of controls
// with colours of their own, and push buttons that show a face colour (the
// colour choices), which the system's buttons cannot.
#include "form/win32/binder.h"
#include "form/win32/binder_parts.h"
#include "form/win32/win_text.h"
#include "form/win32/window_text.h"

namespace pelin::form::win32 {

namespace {

// Black or white, whichever reads better on `face`, weighted as the eye sees
// brightness: pure blue or red takes white text.
COLORREF textOn(COLORREF face) {
    const int brightness = (299 * GetRValue(face) + 587 * GetGValue(face) + 114 * GetBValue(face)) / 1000;
    return brightness < 128 ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

}  // namespace

HBRUSH Binder::brush(std::int32_t colour) {
    auto found = brushes_.find(colour);
    if (found != brushes_.end()) return found->second;
    HBRUSH made = CreateSolidBrush(toColorRef(colour));
    brushes_.emplace(colour, made);
    return made;
}

std::optional<LRESULT> Binder::colourMessage(HWND control, HDC dc) {
    const Control& model = *boundOf(control)->control;
    // Only the enabled look takes the model's text colour; a disabled control
    // keeps the system's greyed text.
    if (model.foreColor != kDefaultColour && IsWindowEnabled(control)) SetTextColor(dc, toColorRef(model.foreColor));
    else if (model.backColor != kDefaultColour && IsWindowEnabled(control))
        SetTextColor(dc, textOn(toColorRef(model.backColor)));
    if (model.backColor == kDefaultColour) return std::nullopt;
    SetBkColor(dc, toColorRef(model.backColor));
    return reinterpret_cast<LRESULT>(brush(model.backColor));
}

bool Binder::drawButton(const DRAWITEMSTRUCT& item) {
    Bound* bound = boundOf(item.hwndItem);
    if (!bound || !bound->coloured) return false;
    const Control& model = *bound->control;
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF back = toColorRef(model.backColor);
    HBRUSH fill = brush(model.backColor);
    FillRect(dc, &face, fill);
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    std::wstring caption = toWide(windowText(item.hwndItem));
    if (!caption.empty()) {
        RECT text = face;
        if (pressed) OffsetRect(&text, 1, 1);
        SetBkMode(dc, TRANSPARENT);
        auto* font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
        HGDIOBJ before = font ? SelectObject(dc, font) : nullptr;
        const bool enabled = (item.itemState & ODS_DISABLED) == 0;
        SetTextColor(dc, !enabled                            ? GetSysColor(COLOR_GRAYTEXT)
                         : model.foreColor != kDefaultColour ? toColorRef(model.foreColor)
                                                             : textOn(back));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (before) SelectObject(dc, before);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

}  // namespace pelin::form::win32
