#include "form/win32/clipboard.h"

#include <cstring>

namespace pelin::form::win32 {

namespace {

// Closes the clipboard when the scope ends.
struct OpenClipboardScope {
    ~OpenClipboardScope() { CloseClipboard(); }
};

}  // namespace

Win32Clipboard::~Win32Clipboard() {
    if (window_) DestroyWindow(window_);
}

bool Win32Clipboard::open() {
    if (!window_)
        window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                                  nullptr);
    // Another program may hold the clipboard for a moment (a clipboard
    // manager reading what was just put there).
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(window_)) return true;
        Sleep(10);
    }
    return false;
}

bool Win32Clipboard::hasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != 0; }

Text Win32Clipboard::text() {
    if (!open()) return {};
    OpenClipboardScope scope;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return {};
    const auto* units = static_cast<const char16_t*>(GlobalLock(data));
    if (!units) return {};
    // Up to the first NUL, and never past the block's end: another program
    // may have left the text without one.
    const std::size_t most = GlobalSize(data) / sizeof(char16_t);
    std::size_t length = 0;
    while (length < most && units[length] != u'\0') ++length;
    Text result(units, length);
    GlobalUnlock(data);
    return result;
}

void Win32Clipboard::setText(TextView text) {
    if (!open()) return;
    OpenClipboardScope scope;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    if (!block) return;
    auto* units = static_cast<char16_t*>(GlobalLock(block));
    if (!units) {
        GlobalFree(block);
        return;
    }
    std::memcpy(units, text.data(), text.size() * sizeof(char16_t));
    units[text.size()] = u'\0';
    GlobalUnlock(block);
    EmptyClipboard();
    // The clipboard owns the block once it takes it.
    if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
}

}  // namespace pelin::form::win32
