#include "form/win32/top_window.h"

#include <algorithm>

#include "form/win32/dpi.h"

// clang-format off
#include <commctrl.h>
// clang-format on

namespace pelin::form::win32 {

namespace {

constexpr wchar_t kSmallIcon[] = L"PelinSmallIcon";
constexpr wchar_t kBigIcon[] = L"PelinBigIcon";

BOOL CALLBACK firstIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    *reinterpret_cast<LPWSTR*>(found) = name;
    return FALSE;
}

// The program file's first icon group, by name or number; null without one.
LPCWSTR programIconName() {
    LPWSTR found = nullptr;
    EnumResourceNamesW(GetModuleHandleW(nullptr), RT_GROUP_ICON, firstIconGroup, reinterpret_cast<LONG_PTR>(&found));
    return found;
}

HICON loadProgramIcon(int size) {
    LPCWSTR name = programIconName();
    if (!name) return nullptr;
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

void replaceIcon(HWND window, WPARAM which, const wchar_t* property, HICON icon) {
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    if (auto old = static_cast<HICON>(GetPropW(window, property))) DestroyIcon(old);
    if (icon) SetPropW(window, property, icon);
    else RemovePropW(window, property);
}

// Takes the window's icons with it.
LRESULT CALLBACK iconKeeper(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_DPICHANGED) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        showProgramIcon(window);
        return result;
    }
    if (message == WM_NCDESTROY) {
        replaceIcon(window, ICON_SMALL, kSmallIcon, nullptr);
        replaceIcon(window, ICON_BIG, kBigIcon, nullptr);
        RemoveWindowSubclass(window, iconKeeper, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void registerWindowClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

void showProgramIcon(HWND window) {
    const UINT dpi = dpiOf(window);
    replaceIcon(window, ICON_SMALL, kSmallIcon, loadProgramIcon(GetSystemMetricsForDpi(SM_CXSMICON, dpi)));
    replaceIcon(window, ICON_BIG, kBigIcon, loadProgramIcon(GetSystemMetricsForDpi(SM_CXICON, dpi)));
    SetWindowSubclass(window, iconKeeper, 0, 0);  // once: the same subclass again only updates it
}

void sizeClientArea(HWND window, double width, double height) {
    const UINT dpi = dpiOf(window);
    RECT frame{0, 0, twipsToPixels(width, dpi), twipsToPixels(height, dpi)};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&frame, style, GetMenu(window) != nullptr, exStyle, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line takes its height from the client area.
    RECT client;
    GetClientRect(window, &client);
    const int shortBy = twipsToPixels(height, dpi) - client.bottom;
    if (shortBy > 0 && GetMenu(window))
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + shortBy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreOver(HWND window, HWND owner) {
    RECT own, over;
    GetWindowRect(window, &own);
    GetWindowRect(owner, &over);
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &screen);
    const auto [areaLeft, areaTop, areaRight, areaBottom] = screen.rcWork;
    const int width = own.right - own.left, height = own.bottom - own.top;
    const int left =
        std::clamp<int>((over.left + over.right - width) / 2, areaLeft, std::max<int>(areaLeft, areaRight - width));
    const int top =
        std::clamp<int>((over.top + over.bottom - height) / 2, areaTop, std::max<int>(areaTop, areaBottom - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void bringForward(HWND window) {
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window);
}

}  // namespace pelin::form::win32
