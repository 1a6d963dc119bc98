#pragma once
// How a value's text is kept on its single line of the settings file.
//
// A value that reads back as itself is stored as it is, so files written by
// earlier versions and by hand read the same. A value that holds a line break (CR
// or LF) or a NUL, a character the file's encoding cannot hold as itself, or that
// begins with the marker "@Lines:", is stored as the marker followed by the text
// with
//     "\" → "\\"    CR → "\r"    LF → "\n"    NUL → "\0"
//     a character the file cannot hold → "\u{HEX}" (its code point: "é" → "\u{E9}")
// and a byte that is no character of the code page (held as a raw byte) → "\xHH",
// so that it cannot pair with the "\" of an escape into one double-byte
// character when the file is read again. So an afterword comment of several lines
// stays one line of the file and comes back whole; it can never put a line of its
// own ("[Data]", "Setei=Mnyu") into the file; and a path under "/home/josé" comes
// back as the same path, not as the "&#233;" the code page would make of it. Any
// text round-trips, including one that already begins with the marker. An
// unknown escape, or a "\" at the very end, reads as itself.
#include <cstddef>

#include "text/text.h"

namespace pelin::settings {

using text::Text;
using text::TextView;

inline constexpr TextView kLinesMarker = u"@Lines:";

// A read value is at most this many bytes of code page 932.
inline constexpr std::size_t kMaxReadBytes = 254;

// What the file can hold: a code page 932 file every character that the code page
// writes as itself; a Unicode file (UTF-8 or UTF-16) every character, but no byte
// that is none.
enum class ValueFile { Cp932, Unicode };

Text encodeValueText(TextView value, ValueFile file = ValueFile::Cp932);
Text decodeValueText(TextView stored);

}  // namespace pelin::settings
