// Code page 932 as Windows converts it.
#include <windows.h>

#include <stdexcept>

#include "platform/codepage_system.h"

namespace pelin::platform {
namespace {

constexpr UINT kCodePage = 932;

// Windows' table alone gives characters to five single bytes: 0x80 to U+0080,
// and 0xA0, 0xFD, 0xFE and 0xFF to the private-use U+F8F0 to U+F8F3. Other
// systems take these bytes for no character, and a page must be the same bytes
// wherever it was written, so they are no character here either: such a byte of
// a source is kept as it is, and such a character written as a reference.
bool windowsOnlyByte(std::string_view bytes) {
    if (bytes.size() != 1) return false;
    const auto b = static_cast<unsigned char>(bytes[0]);
    return b == 0x80 || b == 0xA0 || b >= 0xFD;
}

bool windowsOnlyCharacter(char16_t unit) { return unit == 0x0080 || (unit >= 0xF8F0 && unit <= 0xF8F3); }

class WindowsCodePage932 : public SystemCodePage932 {
public:
    char16_t decode(std::string_view bytes) override {
        // MB_ERR_INVALID_CHARS: a byte Windows does not know is no character,
        // not the default character in its place.
        if (windowsOnlyByte(bytes)) return char16_t{0xFFFF};
        wchar_t units[2];
        const int length = static_cast<int>(bytes.size());
        const int n = ::MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length, units, 2);
        return n == 1 ? static_cast<char16_t>(units[0]) : char16_t{0xFFFF};
    }

    int encode(char16_t unit, unsigned char out[2]) override {
        // Without WC_NO_BEST_FIT_CHARS Windows would write a look-alike ("\" for
        // "¥"); the program writes such a character as a reference instead.
        if (windowsOnlyCharacter(unit)) return 0;
        const wchar_t in = static_cast<wchar_t>(unit);
        char bytes[2];
        BOOL usedDefault = FALSE;
        const int n = ::WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &in, 1, bytes, 2, nullptr, &usedDefault);
        if (usedDefault || (n != 1 && n != 2)) return 0;
        for (int i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(bytes[i]);
        return n;
    }
};

}  // namespace

std::unique_ptr<SystemCodePage932> openSystemCodePage932() {
    if (!::IsValidCodePage(kCodePage)) throw std::runtime_error("this Windows has no code page 932");
    return std::make_unique<WindowsCodePage932>();
}

}  // namespace pelin::platform
