#pragma once
// Radix routines and the conversion between colour codes (RRGGBB) and colour
// numbers (red + 256 × green + 65536 × blue). Every routine is a pure function;
// a failed conversion or a 32-bit overflow comes back as an empty optional, and
// the caller skips the step that needed it.
#include <cstdint>
#include <optional>

#include "text/text.h"

namespace pelin::wizard::cdec {

using text::Text;
using text::TextView;

// 0…9 (or below) → its decimal text, 10 → "A" … 35 → "Z", larger digits → the
// characters after "Z". Nothing when no single character has that code.
std::optional<Text> DigitToChar(std::int32_t digit);

// "0"…"9" → 0…9, a letter → 10…35 either case. A first character with a code of
// 64 or below (or outside the single-byte range) makes the whole text read as a
// decimal whole number, which fails unless it is one; an empty text fails.
std::optional<std::int32_t> CharToDigit(TextView text);

// The text's digits, least significant last, in `base`. Digits are not checked
// against the base. 32-bit arithmetic: the weight is multiplied once more after
// the last digit, so eight or more characters in base 16 overflow.
std::optional<std::int32_t> BaseToNumber(std::int32_t base, TextView text);

// `number` in `base`: 0 → "0", a negative number → "". Fails on a 32-bit
// overflow, and for bases -1, 0 and 1, which have no positional form.
std::optional<Text> NumberToBase(std::int32_t base, std::int32_t number);

std::optional<Text> ConvertBase(std::int32_t fromBase, std::int32_t toBase, TextView text);

// "0" in front of `text` until it is `width` long.
Text PadLeftZeros(std::int32_t width, TextView text);

// A code box's text → colour number. Characters 1–2 are red, 3–4 green, 5–6 blue
// (missing pairs are 0, characters after the sixth are not looked at). Letters
// beyond F count as digits 16 to 35, so a component may spill into the next.
std::optional<std::int32_t> CodeToColourNumber(TextView code);

// Colour number → six upper-case hexadecimal digits, red first.
Text ColourNumberToCode(std::int32_t number);

}  // namespace pelin::wizard::cdec
