#pragma once
// Text files in UTF-16, as Windows writes "Unicode" text: a byte-order mark, then
// two bytes a unit in the order it names.
#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace pelin::text {

inline constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
inline constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

enum class ByteOrder { LittleEndian, BigEndian };

// The byte order named by the UTF-16 byte-order mark at the start of `bytes`, if any.
std::optional<ByteOrder> utf16ByteOrder(std::string_view bytes);

// UTF-16 bytes (without the mark) → text, unit for unit, so that the text holds
// whatever the file holds; an odd byte at the end becomes a raw byte.
Text fromUtf16(std::string_view bytes, ByteOrder order);
// Text → UTF-16 bytes, unit for unit (a raw byte is written as its unit).
std::string toUtf16(TextView text, ByteOrder order);

}  // namespace pelin::text
