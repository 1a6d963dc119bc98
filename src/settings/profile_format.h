#pragma once
// The private-profile ("INI") format on the bytes of a file, as Windows' own
// profile functions read and write it, so that files users edited by hand keep
// meaning what they meant:
//  - "[name]" starts a section; "name=value" inside a section is a key; lines
//    before the first section, lines without "=" and lines starting with ";" are
//    no keys. Blanks (spaces, tabs) around names and values do not count.
//  - Names match without regard to the case of ASCII letters. In code page 932 the
//    second byte of a double-byte character is never folded, and a "]" that is
//    such a second byte does not end a section name.
//  - Of two sections or keys of the same name the first counts.
//  - A value enclosed in one pair of equal quotation marks (" or ') is read
//    without them. A value that would otherwise not read back as written (blanks
//    at an end, quotes at both ends) is stored inside one extra pair of ".
//  - Lines end in CR LF; LF alone and CR alone end a line as well, and lines
//    added to a file that ends its lines with CR alone end so too. A file that
//    starts with the UTF-8 byte-order mark holds UTF-8 and is written back as
//    UTF-8 (a UTF-16 file is worked on in its UTF-8 form, see settings_content.h).
// Writing changes one line or inserts lines; every other byte stays as it was.
#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace pelin::settings::profile {

enum class Encoding { Cp932, Utf8 };

Encoding detectEncoding(std::string_view file);

// The value of `key` in `section` as stored (blanks trimmed, one pair of quotes
// removed); nothing when the section or the key is missing.
std::optional<std::string> findValue(std::string_view file, std::string_view section, std::string_view key,
                                     Encoding encoding);

// The form in which `value` is stored after "=" so that findValue returns it.
std::string storedForm(std::string_view value);

// `file` with `key` of `section` set to `value`: an existing key is changed in
// place, a new key goes after the last entry of its section, a new section at the
// end of the file. Nothing when the names or the value cannot be stored so that
// they read back (a line break, "=" in a key, "]" in a section name, blanks at a
// name's ends).
std::optional<std::string> withValue(std::string_view file, std::string_view section, std::string_view key,
                                     std::string_view value, Encoding encoding);

}  // namespace pelin::settings::profile
