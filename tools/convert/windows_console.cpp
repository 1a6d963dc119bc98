#include "windows_console.h"

#include <windows.h>

#include <shellapi.h>

#include <string_view>

#include "text/text.h"

namespace pelin::convert {
namespace {

bool isConsole(DWORD stream) {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(stream), &mode) != 0;
}

}  // namespace

std::vector<std::string> utf8Arguments() {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    if (!arguments) return utf8;
    for (int i = 1; i < count; ++i) {
        const std::wstring_view argument(arguments[i]);
        utf8.push_back(text::toUtf8(text::Text(argument.begin(), argument.end())));
    }
    ::LocalFree(arguments);
    return utf8;
}

Utf8Console::Utf8Console() {
    if (!isConsole(STD_OUTPUT_HANDLE) && !isConsole(STD_ERROR_HANDLE)) return;
    const UINT old = ::GetConsoleOutputCP();
    if (old != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) oldCodePage_ = old;
}

Utf8Console::~Utf8Console() {
    if (oldCodePage_ != 0) ::SetConsoleOutputCP(oldCodePage_);
}

}  // namespace pelin::convert
