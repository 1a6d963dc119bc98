// Code page 932 from tables of the system's own answers.
//
// Asking the system for every line or stretch of a large file costs more than
// the conversion itself, so on first use the program asks it once for every
// single-byte and double-byte sequence and every UTF-16 unit, and keeps the
// answers in tables. The tables hold nothing but the system's answers.
#include <array>
#include <bit>
#include <cstdint>
#include <memory>

#include "platform/codepage_system.h"
#include "platform/cp932_conversion.h"

static_assert(std::endian::native == std::endian::little, "UTF-16LE is used as the host's char16_t");

namespace pelin::platform {
namespace {

constexpr char16_t kNone = 0xFFFF;  // no character (U+FFFF is no code page 932 character)

struct Tables {
    std::array<char16_t, 256> single{};           // byte → unit, or kNone
    std::array<bool, 256> lead{};                 // byte starts a two-byte character
    std::array<char16_t, 65536> dual{};           // lead << 8 | trail → unit, or kNone
    std::array<std::uint8_t, 65536> encLength{};  // unit → 0 (none), 1 or 2 bytes
    std::array<std::uint16_t, 65536> encBytes{};  // first byte << 8 | second, or the byte

    explicit Tables(SystemCodePage932& system) {
        single.fill(kNone);
        dual.fill(kNone);
        for (int b = 0; b < 256; ++b) {
            const char one = static_cast<char>(b);
            single[b] = system.decode(std::string_view(&one, 1));
            if (single[b] != kNone) continue;
            for (int t = 0; t < 256; ++t) {
                const char two[2] = {one, static_cast<char>(t)};
                dual[(b << 8) | t] = system.decode(std::string_view(two, 2));
                if (dual[(b << 8) | t] != kNone) lead[b] = true;
            }
        }
        // Only a code that reads back as the same character counts. Another one
        // stands for a look-alike (iconv writes "〜" with the code of "～", "¥" as
        // "\"), which would change the user's text; Windows refuses such codes
        // itself, and the character is written as a reference on every system.
        for (int u = 0; u < 65536; ++u) {
            if (u >= 0xD800 && u <= 0xDFFF) continue;
            unsigned char out[2];
            const int n = system.encode(static_cast<char16_t>(u), out);
            if (n == 1 && single[out[0]] == u) {
                encLength[u] = 1;
                encBytes[u] = out[0];
            } else if (n == 2 && dual[(out[0] << 8) | out[1]] == u) {
                encLength[u] = 2;
                encBytes[u] = static_cast<std::uint16_t>(out[0] << 8 | out[1]);
            }
        }
    }
};

const Tables& tables() {
    static const std::unique_ptr<Tables> instance = std::make_unique<Tables>(*openSystemCodePage932());
    return *instance;
}

}  // namespace

ConvertStatus cp932ToUtf16(const char*& in, std::size_t& inLeft, char16_t*& out) {
    const Tables& t = tables();
    const unsigned char* src = reinterpret_cast<const unsigned char*>(in);
    const unsigned char* end = src + inLeft;
    char16_t* dst = out;
    ConvertStatus status = ConvertStatus::Done;
    while (src < end) {
        const unsigned char b = *src;
        if (b < 0x80) {
            *dst++ = b;  // Windows' code page 932 maps the ASCII range to itself
            ++src;
        } else if (t.single[b] != kNone) {
            *dst++ = t.single[b];
            ++src;
        } else if (t.lead[b]) {
            if (src + 1 == end) {
                status = ConvertStatus::Incomplete;
                break;
            }
            const char16_t u = t.dual[(b << 8) | src[1]];
            if (u == kNone) {
                status = ConvertStatus::Invalid;
                break;
            }
            *dst++ = u;
            src += 2;
        } else {
            status = ConvertStatus::Invalid;
            break;
        }
    }
    inLeft -= static_cast<std::size_t>(src - reinterpret_cast<const unsigned char*>(in));
    in = reinterpret_cast<const char*>(src);
    out = dst;
    return status;
}

ConvertStatus utf16ToCp932(const char16_t*& in, std::size_t& inLeft, char*& out) {
    const Tables& t = tables();
    const char16_t* src = in;
    const char16_t* end = src + inLeft;
    char* dst = out;
    ConvertStatus status = ConvertStatus::Done;
    for (; src < end; ++src) {
        const char16_t u = *src;
        const std::uint8_t n = t.encLength[u];
        if (n == 1) {
            *dst++ = static_cast<char>(t.encBytes[u]);
        } else if (n == 2) {
            *dst++ = static_cast<char>(t.encBytes[u] >> 8);
            *dst++ = static_cast<char>(t.encBytes[u] & 0xFF);
        } else {
            status = ConvertStatus::Invalid;
            break;
        }
    }
    inLeft -= static_cast<std::size_t>(src - in);
    in = src;
    out = dst;
    return status;
}

}  // namespace pelin::platform
