#pragma once
// What the operating system's own code page 932 conversion says of one character.
// Each platform supplies one (iconv here, MultiByteToWideChar/WideCharToMultiByte
// on Windows); the conversion asks it once for every sequence and keeps the
// answers in tables, so nothing but the system's answers decides a character.
#include <memory>
#include <string_view>

namespace pelin::platform {

class SystemCodePage932 {
public:
    virtual ~SystemCodePage932() = default;

    // The UTF-16 unit that `bytes` (one or two bytes) stand for on their own, or
    // 0xFFFF when the system takes them for no character.
    virtual char16_t decode(std::string_view bytes) = 0;

    // Writes the bytes the system writes for `unit` (a character it holds exactly,
    // not a look-alike) to `out`; returns their number, 1 or 2, or 0 for none.
    virtual int encode(char16_t unit, unsigned char out[2]) = 0;
};

// The system's conversion; throws when the system has no code page 932.
std::unique_ptr<SystemCodePage932> openSystemCodePage932();

}  // namespace pelin::platform
