#include "app/win32/version_window.h"

#include <algorithm>
#include <memory>

#include "app/win32/drawn_label.h"
#include "app/win32/picture_window.h"
#include "form/win32/bundled_picture.h"
#include "form/win32/dpi.h"
#include "form/win32/picture_drawing.h"
#include "version.h"

// clang-format off
#include <commctrl.h>
// clang-format on

namespace pelin::app::win32 {

using form::win32::scaled;
using form::win32::twipsToPixels;

namespace {

constexpr wchar_t kClassName[] = L"Form2";
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct VersionWindow {
    int dpi = 96;
    std::shared_ptr<form::win32::Bitmap> picture;
    HCURSOR pointer = nullptr;
    HICON smallIcon = nullptr;
    HICON bigIcon = nullptr;
    HWND toolTip = nullptr;
    bool pressed = false;
    COLORREF okColour = kBlack;
    DrawnLabel Label2{u"テキスト→HTML変換ソフト", 240, 120, 2175, 255, {9.75}, 2175};
    DrawnLabel Label1{u"ぺりん", 720, 480, 1335, 495, {21.75}};
    DrawnLabel Label3{text::Text(u"Ver") + kVersionText, 960, 960, 975, 375, {12}};
    DrawnLabel Label7{u"OK", 1080, 2640, 615, 375, {14.25, false, true}};

    ~VersionWindow() { dropHandles(); }

    void dropHandles() {
        if (pointer) DestroyCursor(pointer);
        if (smallIcon) DestroyIcon(smallIcon);
        if (bigIcon) DestroyIcon(bigIcon);
        pointer = nullptr;
        smallIcon = bigIcon = nullptr;
    }

    RECT image() const {
        return RECT{twipsToPixels(2400, dpi), 0, twipsToPixels(2400 + 1815, dpi), twipsToPixels(3105, dpi)};
    }

    void layout(HWND window, int newDpi, const RECT* suggested) {
        dpi = newDpi;
        picture = form::win32::bundledPicture("mascot-pink", dpi);
        for (DrawnLabel* label : {&Label2, &Label1, &Label3, &Label7}) label->layout(dpi);
        dropHandles();
        const int pictureDpi = form::win32::bundledPictureDpi(dpi);
        if (auto arrow = form::win32::bundledPicture("pointer", dpi))
            pointer = form::win32::iconFromBitmap(*arrow, false, POINT{scaled(2, pictureDpi), scaled(2, pictureDpi)});
        if (auto icon = form::win32::bundledPicture("menu-version", dpi))
            smallIcon = form::win32::iconFromBitmap(*icon, true);
        if (auto icon = form::win32::bundledPicture("menu-version", 2 * dpi))
            bigIcon = form::win32::iconFromBitmap(*icon, true);
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
        if (suggested) {
            SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            sizeAndCentre(window, twipsToPixels(4170, dpi), twipsToPixels(3090, dpi), dpi);
        }
        placeToolTip(window);
    }

    void placeToolTip(HWND window) {
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = 7;
        tool.rect = Label7.place;
        if (!toolTip) {
            toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
            static wchar_t closeText[] = L"閉じる";
            tool.lpszText = closeText;
            if (toolTip) SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        } else {
            SendMessageW(toolTip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }

    void paint(HDC dc) const {
        // Shape1: a rounded outline around the text side, its top edge above
        // the window so that only its lower corners show.
        const int pen = std::max(1, scaled(3, dpi) / 2);
        HPEN outline = CreatePen(PS_SOLID, pen, RGB(170, 190, 220));
        HBRUSH fill = CreateSolidBrush(RGB(246, 249, 253));
        HGDIOBJ oldPen = SelectObject(dc, outline);
        HGDIOBJ oldBrush = SelectObject(dc, fill);
        const int left = twipsToPixels(120, dpi);
        const int right = twipsToPixels(120 + 2415, dpi);
        const int bottom = twipsToPixels(3015, dpi);
        const int round = scaled(20, dpi);
        RoundRect(dc, left + pen / 2 + 1, -scaled(12, dpi), right - pen / 2, bottom - pen / 2, round, round);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(outline);
        DeleteObject(fill);

        if (picture) {
            const int scale = form::win32::bundledPictureDpi(dpi);
            const RECT area = image();
            const RECT drawn{area.left, 0, area.left + MulDiv(picture->width(), dpi, scale),
                             MulDiv(picture->height(), dpi, scale)};
            HRGN clip = CreateRectRgnIndirect(&area);
            SelectClipRgn(dc, clip);
            form::win32::drawBitmap(dc, *picture, drawn);
            SelectClipRgn(dc, nullptr);
            DeleteObject(clip);
        }
        Label2.paint(dc, kDarkGrey);
        Label1.paint(dc, kDarkGrey);
        Label3.paint(dc, GetSysColor(COLOR_WINDOWTEXT));
        Label7.paint(dc, okColour);
    }

    // Over the window's own background: over none of its labels or its picture.
    bool overBackground(POINT point) const {
        const RECT area = image();
        if (PtInRect(&area, point)) return false;
        for (const DrawnLabel* label : {&Label2, &Label1, &Label3, &Label7})
            if (label->contains(point)) return false;
        return true;
    }

    void setOkColour(HWND window, COLORREF colour) {
        if (okColour == colour) return;
        okColour = colour;
        InvalidateRect(window, &Label7.place, FALSE);
    }
};

HWND theWindow = nullptr;

VersionWindow* stateOf(HWND window) {
    return reinterpret_cast<VersionWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

POINT pointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

void Label7_MouseMove(HWND window, VersionWindow& state) { state.setOkColour(window, kOkHoverColour); }
void Form_MouseMove(HWND window, VersionWindow& state) { state.setOkColour(window, kBlack); }
void Label7_Click(HWND window) { DestroyWindow(window); }

LRESULT CALLBACK versionProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    VersionWindow* state = stateOf(window);
    if (!state) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE: {
        const POINT point = pointOf(lParam);
        if (state->Label7.contains(point)) Label7_MouseMove(window, *state);
        else if (state->overBackground(point)) Form_MouseMove(window, *state);
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && state->pointer) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(window, &point);
            if (state->Label7.contains(point)) {
                SetCursor(state->pointer);
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONDOWN:
        if (state->Label7.contains(pointOf(lParam))) {
            state->pressed = true;
            SetCapture(window);
        }
        return 0;
    case WM_LBUTTONUP:
        if (state->pressed) {
            state->pressed = false;
            ReleaseCapture();
            if (state->Label7.contains(pointOf(lParam))) Label7_Click(window);
        }
        return 0;
    case WM_CAPTURECHANGED: state->pressed = false; return 0;
    case WM_DPICHANGED:
        state->layout(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paintBuffered(window, [state](HDC dc, const RECT&) { state->paint(dc); }); return 0;
    case WM_NCDESTROY:
        if (theWindow == window) theWindow = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete state;
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND showVersionWindow(HWND owner) {
    if (!theWindow) {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        registerWindowClass(kClassName, versionProcedure);
        // A fixed frame with the close box alone; owned by the main window, so
        // it is not listed in the task bar.
        HWND window = CreateWindowExW(0, kClassName, L"バージョン情報", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0,
                                      owner, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!window) return nullptr;
        auto* state = new VersionWindow();  // the window's own, deleted with it (WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        state->layout(window, windowDpi(window), nullptr);
        theWindow = window;
    }
    ShowWindow(theWindow, IsIconic(theWindow) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(theWindow);
    return theWindow;
}

COLORREF versionOkColour(HWND versionWindow) {
    const VersionWindow* state = stateOf(versionWindow);
    return state ? state->okColour : kBlack;
}

}  // namespace pelin::app::win32
