#pragma once
// Characters in the program's UTF-16 text: a character outside the Basic
// Multilingual Plane takes two units (a surrogate pair), and every routine that
// walks, cuts or names characters must keep such a pair together.
#include <cstddef>

#include "text/text.h"

namespace pelin::text {

inline bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

struct Character {
    char32_t code;      // the character; a lone surrogate (or a raw byte) is itself
    std::size_t units;  // 1, or 2 for a surrogate pair
};

// The character at the start of `text`, which must not be empty.
inline Character characterAt(TextView text) {
    const char16_t u = text[0];
    if (isHighSurrogate(u) && text.size() > 1 && isLowSurrogate(text[1]))
        return {0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[1]) - 0xDC00), 2};
    return {u, 1};
}

// Appends `c` as one unit or as a surrogate pair.
inline void appendCharacter(char32_t c, Text& out) {
    if (c >= 0x10000) {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
        out += static_cast<char16_t>(c);
    }
}

}  // namespace pelin::text
