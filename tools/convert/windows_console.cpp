#include "windows_console.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "text/text.h"

namespace pelin::convert {
namespace {

bool isConsole(DWORD stream) {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(stream), &mode) != 0;
}

struct Argument {
    std::wstring text;
    bool quoted = false;  // some of it was in quotes
};

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The arguments of `line` after the program's name, split as the C runtime
// splits them for any Windows program: quotes group, 2n backslashes before a
// quote are n and the quote groups, 2n+1 are n and a quote, and "" inside
// quotes is a quote.
std::vector<Argument> splitCommandLine(std::wstring_view line) {
    std::size_t i = 0;
    // The program's name ends at a blank outside quotes; backslashes are its own.
    for (bool inQuotes = false; i < line.size() && (inQuotes || !isBlank(line[i])); ++i)
        if (line[i] == L'"') inQuotes = !inQuotes;
    std::vector<Argument> arguments;
    for (;;) {
        while (i < line.size() && isBlank(line[i])) ++i;
        if (i == line.size()) return arguments;
        Argument argument;
        bool inQuotes = false;
        while (i < line.size() && (inQuotes || !isBlank(line[i]))) {
            if (line[i] == L'\\') {
                const std::size_t start = i;
                while (i < line.size() && line[i] == L'\\') ++i;
                const std::size_t slashes = i - start;
                const bool beforeQuote = i < line.size() && line[i] == L'"';
                argument.text.append(beforeQuote ? slashes / 2 : slashes, L'\\');
                if (beforeQuote && slashes % 2 == 1) {
                    argument.text += L'"';
                    ++i;
                }
            } else if (line[i] == L'"') {
                argument.quoted = true;
                if (inQuotes && i + 1 < line.size() && line[i + 1] == L'"') {
                    argument.text += L'"';
                    i += 2;
                } else {
                    inQuotes = !inQuotes;
                    ++i;
                }
            } else {
                argument.text += line[i++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}

bool hasWildcard(std::wstring_view text) { return text.find_first_of(L"*?") != std::wstring_view::npos; }

// The files `argument` names when it holds "*" or "?" in its last part and no
// quotes, as Windows programs expand them (cmd.exe leaves that to the
// program), in name order, with its folder as typed; else the argument itself,
// also when nothing matches.
std::vector<std::wstring> expanded(const Argument& argument) {
    const std::wstring& pattern = argument.text;
    const std::size_t cut = pattern.find_last_of(L"\\/:");
    const std::wstring folder = cut == std::wstring::npos ? std::wstring() : pattern.substr(0, cut + 1);
    if (argument.quoted || !hasWildcard(pattern) || hasWildcard(folder)) return {pattern};
    WIN32_FIND_DATAW found;
    const HANDLE search =
        ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return {pattern};
    std::vector<std::wstring> names;
    do {
        const std::wstring_view name(found.cFileName);
        if (name != L"." && name != L"..") names.push_back(folder + std::wstring(name));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    if (names.empty()) return {pattern};
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::vector<std::string> utf8Arguments() {
    std::vector<std::string> utf8;
    for (const Argument& argument : splitCommandLine(::GetCommandLineW()))
        for (const std::wstring& name : expanded(argument))
            utf8.push_back(text::toUtf8(text::Text(name.begin(), name.end())));
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
