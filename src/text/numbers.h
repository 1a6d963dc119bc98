#pragma once
// Numbers as the program prints them.
#include <cstdint>
#include <optional>
#include <string>

#include "text/text.h"

namespace pelin::text {

// Plain decimal, a minus sign when negative.
Text formatInteger(std::int64_t value);

// Shortest plain decimal with at most 15 significant digits: "." as the point, a
// leading zero, no trailing zeros, no point when whole (0.5, 2, 63.998, -0.175).
Text formatReal(double value);

// Reads a whole decimal text as the program's number boxes do: blanks around it
// are allowed, a sign, digits and an optional fractional part. Nothing otherwise.
std::optional<double> parseDecimal(TextView text);

}  // namespace pelin::text
