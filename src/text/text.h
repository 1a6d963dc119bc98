#pragma once
// Text as the program holds it, and its translation to and from the bytes of files.
//
// The program holds text as UTF-16 (`Text`), as its windows do. Files are code page
// 932. Two rules keep every byte of the user's files:
//  - a source byte that is no valid code page 932 character is held as the lone
//    surrogate U+DC00 + byte ("raw byte") and written back as the same byte;
//  - a character that code page 932 cannot hold is written as a decimal numeric
//    character reference ("&#128512;"), never as "?".
#include <string>
#include <string_view>

namespace pelin::text {

using Text = std::u16string;
using TextView = std::u16string_view;

constexpr char16_t kRawByteBase = 0xDC00;
inline bool isRawByte(char16_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

// Code page 932 bytes → text, appended to `out`. Invalid bytes become raw bytes.
void appendFromCp932(std::string_view bytes, Text& out);
Text fromCp932(std::string_view bytes);

// Text → code page 932 bytes, appended to `out`. Raw bytes are written as
// themselves; characters outside the code page become "&#N;".
void appendToCp932(TextView text, std::string& out);
std::string toCp932(TextView text);

// The first character of `text` that code page 932 cannot hold, or 0 when every
// character can be written as itself (raw bytes count as writable).
char32_t firstUnencodable(TextView text);

// UTF-8 ↔ text. Invalid UTF-8 bytes become raw bytes; raw bytes are written back
// as themselves, so both directions keep every byte.
Text fromUtf8(std::string_view bytes);
void appendFromUtf8(std::string_view bytes, Text& out);
std::string toUtf8(TextView text);

// The length of the well-formed UTF-8 sequence at the start of `bytes` (which
// must not be empty), with its character in `c`; 0 when none starts there.
std::size_t utf8SequenceLength(std::string_view bytes, char32_t& c);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
inline bool startsWithUtf8Bom(std::string_view bytes) { return bytes.starts_with(kUtf8Bom); }

// The longest beginning of `text` whose code page 932 form fits in `maxBytes`,
// ending on a whole character: never half of a surrogate pair, nor between the CR
// and the LF of a line break.
Text cutToCp932Bytes(TextView text, std::size_t maxBytes);

}  // namespace pelin::text
