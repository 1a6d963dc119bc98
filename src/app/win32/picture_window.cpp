#include "app/win32/picture_window.h"

#include <algorithm>

namespace pelin::app::win32 {

void registerWindowClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE program = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(program, name, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = program;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

int windowDpi(HWND window) {
    const UINT dpi = GetDpiForWindow(window);
    return dpi ? static_cast<int>(dpi) : 96;
}

void sizeAndCentre(HWND window, int width, int height, int dpi) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD extended = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, style, FALSE, extended, static_cast<UINT>(dpi));
    const int outerWidth = frame.right - frame.left;
    const int outerHeight = frame.bottom - frame.top;
    HMONITOR screen = IsWindowVisible(window) ? MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)
                                              : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT area{0, 0, outerWidth, outerHeight};
    if (GetMonitorInfoW(screen, &info)) area = info.rcWork;
    const int x = area.left + std::max(0L, (area.right - area.left - outerWidth) / 2);
    const int y = area.top + std::max(0L, (area.bottom - area.top - outerHeight) / 2);
    SetWindowPos(window, nullptr, x, y, outerWidth, outerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void paintBuffered(HWND window, const std::function<void(HDC dc, const RECT& client)>& draw) {
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC buffer = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, client.right, client.bottom);
    if (buffer && picture) {
        HGDIOBJ previous = SelectObject(buffer, picture);
        FillRect(buffer, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        draw(buffer, client);
        BitBlt(screen, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
        SelectObject(buffer, previous);
    } else {
        draw(screen, client);
    }
    if (picture) DeleteObject(picture);
    if (buffer) DeleteDC(buffer);
    EndPaint(window, &paint);
}

void drawRule(HDC dc, int x, int y, int length, bool horizontal, int dpi) {
    const int thickness = std::max(1, dpi / 96);
    RECT rule = horizontal ? RECT{x, y, x + length, y + thickness} : RECT{x, y, x + thickness, y + length};
    HBRUSH grey = CreateSolidBrush(kDarkGrey);
    FillRect(dc, &rule, grey);
    DeleteObject(grey);
}

}  // namespace pelin::app::win32
