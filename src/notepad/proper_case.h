#pragma once
// Upper and lower case for the letters the notepad's files can hold (code page
// 932: ASCII, full-width Latin, Greek, Cyrillic, Roman numerals), without a
// locale library: every such alphabet pairs its capitals and small letters by a
// fixed offset, so a few ranges describe them all.
#include "text/text.h"

namespace pelin::notepad {

using text::Text;
using text::TextView;

char16_t toLowerCase(char16_t c);
char16_t toUpperCase(char16_t c);

// Words are separated by NUL, tab, line feed, vertical tab, form feed, carriage
// return, space and the full-width space; nothing else (an apostrophe or a
// hyphen stays inside its word).
bool isWordSeparator(char16_t c);

// Every letter with case in lower case, except the first letter of the text and
// every letter directly after a word separator, which is upper case.
Text properCase(TextView text);

}  // namespace pelin::notepad
