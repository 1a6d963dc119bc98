#pragma once
// Names and arguments as pelin-convert prints them. A name is the user's only
// in part: a file may be named with the escape sequences that set a terminal's
// title or colours, or with bytes that are no character at all. Printed as they
// are, those would act on the terminal or garble the line, so they are written
// as visible escapes instead.
#include <filesystem>
#include <string>
#include <string_view>

#include "text/text.h"

namespace pelin::convert {

// `text` in UTF-8 with control characters (U+0000–U+001F, U+007F) written as
// "\x1B", those of U+0080–U+009F as "\u009B", a byte that is no character
// (a raw byte) as "\xFF" and a lone surrogate as "\uD800".
std::string shownText(text::TextView text);

// A file's name as the program prints it, whatever the system's own form.
std::string shownName(const std::filesystem::path& path);

// A command-line argument (UTF-8, or the bytes the system gave) as printed.
std::string shownArgument(std::string_view utf8);

}  // namespace pelin::convert
