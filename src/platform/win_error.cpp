#include "platform/win_error.h"

#include <windows.h>

namespace pelin::platform {

std::string utf8FromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::string systemMessage(unsigned long code) {
    wchar_t* buffer = nullptr;
    // Language 0: the user's language, else the system's, as Windows itself chooses.
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0) return "Windows error " + std::to_string(code);
    std::wstring_view text(buffer, length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.remove_suffix(1);  // Windows ends its messages with a line end
    std::string message = utf8FromWide(text);
    ::LocalFree(buffer);
    return message;
}

}  // namespace pelin::platform
