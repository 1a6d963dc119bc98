// Code page 932 through the C library's iconv ("CP932" is Windows' table).
//
// Calling iconv for every line or stretch of a large file costs more than the
// conversion itself, so on first use the program asks iconv once for every
// single-byte and double-byte sequence and every UTF-16 unit, and keeps the
// answers in tables. The tables hold nothing but iconv's own answers.
#include <iconv.h>

#include <array>
#include <bit>
#include <memory>
#include <stdexcept>

#include "platform/codepage.h"

static_assert(std::endian::native == std::endian::little, "UTF-16LE is used as the host's char16_t");

namespace pelin::platform {
namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between code page 932 and UTF-16");
    }
    ~IconvHandle() { iconv_close(cd_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    // Converts `in` whole; returns the number of output bytes, or -1 when iconv
    // refuses any part of it.
    int convert(const char* in, std::size_t inBytes, char* out, std::size_t outBytes) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);  // iconv's signature is not const-correct
        char* dst = out;
        std::size_t outLeft = outBytes;
        if (iconv(cd_, &src, &inBytes, &dst, &outLeft) == static_cast<std::size_t>(-1) || inBytes != 0)
            return -1;
        return static_cast<int>(outBytes - outLeft);
    }

private:
    iconv_t cd_;
};

constexpr char16_t kNone = 0xFFFF;  // no character (U+FFFF is no code page 932 character)

struct Tables {
    std::array<char16_t, 256> single{};        // byte → unit, or kNone
    std::array<bool, 256> lead{};              // byte starts a two-byte character
    std::array<char16_t, 65536> dual{};        // lead << 8 | trail → unit, or kNone
    std::array<std::uint8_t, 65536> encLength{};  // unit → 0 (none), 1 or 2 bytes
    std::array<std::uint16_t, 65536> encBytes{};  // first byte << 8 | second, or the byte

    Tables() {
        IconvHandle toUnicode("UTF-16LE", "CP932");
        IconvHandle fromUnicode("CP932", "UTF-16LE");
        single.fill(kNone);
        dual.fill(kNone);
        char16_t unit[2];
        for (int b = 0; b < 256; ++b) {
            const char one = static_cast<char>(b);
            if (toUnicode.convert(&one, 1, reinterpret_cast<char*>(unit), sizeof unit) == 2) {
                single[b] = unit[0];
                continue;
            }
            for (int t = 0; t < 256; ++t) {
                const char two[2] = {one, static_cast<char>(t)};
                if (toUnicode.convert(two, 2, reinterpret_cast<char*>(unit), sizeof unit) == 2) {
                    dual[(b << 8) | t] = unit[0];
                    lead[b] = true;
                }
            }
        }
        for (int u = 0; u < 65536; ++u) {
            if (u >= 0xD800 && u <= 0xDFFF) continue;
            const char16_t in = static_cast<char16_t>(u);
            unsigned char out[4];
            int n = fromUnicode.convert(reinterpret_cast<const char*>(&in), 2, reinterpret_cast<char*>(out), sizeof out);
            if (n == 1) {
                encLength[u] = 1;
                encBytes[u] = out[0];
            } else if (n == 2) {
                encLength[u] = 2;
                encBytes[u] = static_cast<std::uint16_t>(out[0] << 8 | out[1]);
            }
        }
    }
};

const Tables& tables() {
    static const std::unique_ptr<Tables> instance = std::make_unique<Tables>();
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
            if (src + 1 == end) { status = ConvertStatus::Incomplete; break; }
            const char16_t u = t.dual[(b << 8) | src[1]];
            if (u == kNone) { status = ConvertStatus::Invalid; break; }
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
