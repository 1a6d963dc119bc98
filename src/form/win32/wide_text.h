#pragma once
// The program's text as the Windows API takes it: both are UTF-16, so a
// conversion is a copy between the two character types.
#include <string>
#include <string_view>

#include "text/text.h"

namespace pelin::form::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

inline std::wstring wide(text::TextView text) { return std::wstring(text.begin(), text.end()); }

inline text::Text fromWide(std::wstring_view text) { return text::Text(text.begin(), text.end()); }

}  // namespace pelin::form::win32
