#pragma once
// Turning the texts of boxes and of the settings file into the numbers and
// truth values the window stores. Each returns nothing when the text does not
// convert, so that the caller can skip the assignment and go on.
#include <cstdint>
#include <optional>

#include "text/text.h"

namespace pelin::wizard {

// A decimal text rounded to a whole number, halves to the even neighbour.
std::optional<std::int64_t> wholeNumber(text::TextView text);

// The same, only when it fits 16 bits (margins and other small numbers).
std::optional<std::int16_t> int16Number(text::TextView text);

// The same, only when it fits 32 bits (colour numbers held as preview values).
std::optional<std::int32_t> int32Number(text::TextView text);

// "True"/"False" in any letter case, or a number (non-zero is true).
std::optional<bool> truthValue(text::TextView text);

// "True" or "False".
text::Text truthText(bool value);

}  // namespace pelin::wizard
