#include "app/win32/splash_window.h"

#include <memory>
#include <utility>

#include "app/win32/drawn_label.h"
#include "app/win32/picture_window.h"
#include "form/win32/bundled_picture.h"
#include "form/win32/dpi.h"
#include "form/win32/picture_drawing.h"
#include "version.h"

namespace pelin::app::win32 {

using form::win32::twipsToPixels;

namespace {

constexpr wchar_t kClassName[] = L"frmSplash";
constexpr UINT_PTR kTimer1 = 1;
// Room (twips) left between the version and the window's right edge.
constexpr double kVersionMargin = 120;

struct Splash {
    std::function<void()> showMain;
    int dpi = 96;
    std::shared_ptr<form::win32::Bitmap> picture;
    DrawnLabel Label1{u"ぺりん", 1680, 480, 1455, 495, {21.75}};
    // Its box runs past the window's right edge, which the font the window
    // was drawn for never reached; a wider font is made smaller until the
    // text ends inside the window as far from the edge as that font left it.
    DrawnLabel Label2{text::Text(u"Ver") + kVersionText, 3120, 960, 1215, 375, {15.75, true},
                      4290 - 3120 - kVersionMargin};

    void layout(HWND window, int newDpi) {
        dpi = newDpi;
        picture = form::win32::bundledPicture("mascot-blue", dpi);
        Label1.layout(dpi);
        Label2.layout(dpi);
        sizeAndCentre(window, twipsToPixels(4290, dpi), twipsToPixels(3030, dpi), dpi);
    }

    void paint(HDC dc) const {
        if (picture) {
            // The picture is taller than the window and is cut at its bottom edge.
            const int scale = form::win32::bundledPictureDpi(dpi);
            const RECT image{0, 0, MulDiv(picture->width(), dpi, scale), MulDiv(picture->height(), dpi, scale)};
            const HRGN clip = CreateRectRgn(0, 0, twipsToPixels(1845, dpi), twipsToPixels(3105, dpi));
            SelectClipRgn(dc, clip);
            form::win32::drawBitmap(dc, *picture, image);
            SelectClipRgn(dc, nullptr);
            DeleteObject(clip);
        }
        Label1.paint(dc, kDarkGrey);
        drawRule(dc, twipsToPixels(1680, dpi), twipsToPixels(960, dpi),
                 twipsToPixels(4200, dpi) - twipsToPixels(1680, dpi), true, dpi);
        drawRule(dc, twipsToPixels(3000, dpi), twipsToPixels(600, dpi),
                 twipsToPixels(1320, dpi) - twipsToPixels(600, dpi), false, dpi);
        Label2.paint(dc, kDarkGrey);
    }
};

Splash* splashOf(HWND window) { return reinterpret_cast<Splash*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

void Timer1_Timer(HWND window) {
    KillTimer(window, kTimer1);
    Splash* splash = splashOf(window);
    // Taken out first: the main window's start-up may run a dialog's message
    // loop, and nothing of the splash may run it a second time meanwhile.
    std::function<void()> showMain = splash ? std::move(splash->showMain) : nullptr;
    if (splash) splash->showMain = nullptr;
    if (showMain) showMain();
    if (IsWindow(window)) DestroyWindow(window);
}

LRESULT CALLBACK splashProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer1) {
            Timer1_Timer(window);
            return 0;
        }
        break;
    case WM_DPICHANGED:
        if (Splash* splash = splashOf(window)) {
            splash->layout(window, HIWORD(wParam));
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        if (Splash* splash = splashOf(window)) {
            paintBuffered(window, [splash](HDC dc, const RECT&) { splash->paint(dc); });
            return 0;
        }
        break;
    case WM_NCDESTROY:
        delete splashOf(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND showSplashWindow(std::function<void()> showMain) {
    registerWindowClass(kClassName, splashProcedure);
    // No caption, no buttons, a fixed frame; kept off the task bar.
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window) {
        // Without a splash the program still starts.
        if (showMain) showMain();
        return nullptr;
    }
    auto* splash = new Splash();  // the window's own, deleted with it (WM_NCDESTROY)
    splash->showMain = std::move(showMain);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(splash));
    splash->layout(window, windowDpi(window));
    // The timer runs from the moment the window is made.
    SetTimer(window, kTimer1, kSplashMilliseconds, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

}  // namespace pelin::app::win32
