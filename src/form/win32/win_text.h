#pragma once
// Crossing between the program's text and the Windows API's: both are UTF-16,
// so no conversion takes place, only a change of character type.
#include <string>
#include <string_view>

#include "form/controls.h"

namespace pelin::form::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Windows API holds text as UTF-16");

inline std::wstring toWide(TextView text) { return std::wstring(text.begin(), text.end()); }
inline Text fromWide(std::wstring_view text) { return Text(text.begin(), text.end()); }
// A name of the program's (plain ASCII: control names, window classes) as wide text.
inline std::wstring wideName(std::string_view name) { return std::wstring(name.begin(), name.end()); }

// A colour number as a COLORREF: both hold red in the lowest byte. Numbers
// beyond 24 bits keep only their low 24 bits.
inline unsigned long toColorRef(std::int32_t number) { return static_cast<unsigned long>(number) & 0xFFFFFFUL; }

}  // namespace pelin::form::win32
