#pragma once
// One key read from or written into the bytes of a settings file: the text side
// (code page 932 or, for a file with a byte-order mark, UTF-8 or UTF-16 written
// back in the same form; values kept whole by value_text.h; the 254-byte read
// limit) over the byte format of profile_format.h. SettingsFile adds the file
// itself.
#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace pelin::settings {

using text::Text;
using text::TextView;

// The value of the key; "" when the section or the key is missing. At most 254
// bytes of code page 932, up to the first NUL.
Text readSettingFrom(std::string_view file, TextView section, TextView key);

// Whether a write can keep every other byte of `file`: not so for a UTF-16 file
// that holds no UTF-16 text (a lone half of a surrogate pair, an odd last byte).
bool canWriteInto(std::string_view file);

// The file's bytes with the key set to `value`; nothing when the section or key
// name cannot be stored (see profile::withValue) or canWriteInto is false.
std::optional<std::string> writeSettingTo(std::string_view file, TextView section, TextView key, TextView value);

}  // namespace pelin::settings
