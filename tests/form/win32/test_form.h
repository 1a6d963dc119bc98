#pragma once
// A top-level window to bind forms to, and child windows named as a form's
// window would name them.
#include <string_view>

#include "form/win32/control_name.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

class TestWindow {
public:
    TestWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"PelinTestForm";
        RegisterClassW(&windowClass);  // already there for every window but the first
        window_ = CreateWindowExW(0, L"PelinTestForm", L"Form", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        setControlName(window_, "Form");
    }
    ~TestWindow() { DestroyWindow(window_); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return window_; }

    HWND child(std::string_view name, const wchar_t* windowClass, DWORD style, HWND parent = nullptr) {
        HWND made = CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 120, 24,
                                    parent ? parent : window_, nullptr, GetModuleHandleW(nullptr), nullptr);
        setControlName(made, name);
        return made;
    }

private:
    HWND window_;
};

// What a user's action makes a control tell its parent.
inline void notify(HWND control, WORD code) {
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

inline std::wstring textOf(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

}  // namespace pelin::form::win32
