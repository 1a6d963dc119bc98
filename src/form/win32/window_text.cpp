#include "form/win32/window_text.h"

#include "form/win32/win_text.h"

namespace pelin::form::win32 {

Text windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, buffer.data(), length + 1);
    buffer.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return fromWide(buffer);
}

void showText(HWND window, TextView text) {
    if (windowText(window) == text) return;
    SetWindowTextW(window, toWide(text).c_str());
}

}  // namespace pelin::form::win32
