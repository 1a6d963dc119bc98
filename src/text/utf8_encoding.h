#pragma once
// One character written as UTF-8, for the program's writers of UTF-8 text.
#include <string>

namespace pelin::text {

// Appends the UTF-8 bytes of `c` (a scalar value) to `out`.
void appendUtf8(char32_t c, std::string& out);

}  // namespace pelin::text
