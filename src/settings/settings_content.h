#pragma once
// One key read from or written into the bytes of a settings file: the text side
// (code page 932 or, for a file with the UTF-8 byte-order mark, UTF-8; line
// breaks kept by value_text.h; the 254-byte read limit) over the byte format of
// profile_format.h. SettingsFile adds the file itself.
#include <optional>
#include <string>
#include <string_view>

#include "text/codepage.h"

namespace pelin::settings {

using text::Text;
using text::TextView;

// The value of the key; "" when the section or the key is missing. At most 254
// bytes of code page 932, up to the first NUL.
Text readSettingFrom(std::string_view file, TextView section, TextView key);

// The file's bytes with the key set to `value`; nothing when the section or key
// name cannot be stored (see profile::withValue).
std::optional<std::string> writeSettingTo(std::string_view file, TextView section, TextView key,
                                          TextView value);

}  // namespace pelin::settings
