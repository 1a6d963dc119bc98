#pragma once
// Code page 932 conversion as the operating system provides it. Everything else
// in the program converts through these two calls, so that a Windows build can
// supply MultiByteToWideChar/WideCharToMultiByte here without touching the rest.
#include <cstddef>

namespace pelin::platform {

enum class ConvertStatus {
    Done,        // all input consumed
    Invalid,     // input stops at a sequence the other side cannot represent
    Incomplete,  // input ends inside a multi-byte character
};

// Converts code page 932 bytes to UTF-16 code units. `in`/`out` are advanced past
// what was converted; on Invalid or Incomplete `in` points at the offending byte.
// `out` must have room for `inLeft` code units (one byte never gives more than one).
ConvertStatus cp932ToUtf16(const char*& in, std::size_t& inLeft, char16_t*& out);

// Converts UTF-16 code units to code page 932 bytes. On Invalid `in` points at the
// first unit that has no code page 932 form (a surrogate pair counts as one).
// `out` must have room for 2 * `inLeft` bytes.
ConvertStatus utf16ToCp932(const char16_t*& in, std::size_t& inLeft, char*& out);

}  // namespace pelin::platform
