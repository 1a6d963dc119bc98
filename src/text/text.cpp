#include "text/text.h"

#include <cstdint>

#include "platform/cp932_conversion.h"
#include "text/characters.h"
#include "text/line_ends.h"
#include "text/utf8_encoding.h"

namespace pelin::text {
namespace {

// Converts `bytes`; a byte that is no valid character (or a lead byte cut off at
// the end) is kept as itself.
void decodeStretch(std::string_view bytes, Text& out) {
    std::size_t base = out.size();
    out.resize(base + bytes.size());
    char16_t* dst = out.data() + base;
    const char* src = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        if (platform::cp932ToUtf16(src, left, dst) == platform::ConvertStatus::Done) break;
        *dst++ = static_cast<char16_t>(kRawByteBase + static_cast<unsigned char>(*src));
        ++src;
        --left;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
}

void appendReference(char32_t c, std::string& out) {
    out += "&#";
    out += std::to_string(static_cast<std::uint32_t>(c));
    out += ';';
}

void encodeStretch(TextView text, std::string& out) {
    std::size_t base = out.size();
    out.resize(base + text.size() * 2);
    char* dst = out.data() + base;
    const char16_t* src = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        if (platform::utf16ToCp932(src, left, dst) == platform::ConvertStatus::Done) break;
        const auto [c, length] = characterAt(TextView(src, left));
        if (isRawByte(*src)) {
            *dst++ = static_cast<char>(*src - kRawByteBase);
        } else {
            std::size_t used = static_cast<std::size_t>(dst - out.data());
            out.resize(used);
            appendReference(c, out);
            out.resize(out.size() + (left - length) * 2);
            dst = out.data() + out.size() - (left - length) * 2;
        }
        src += length;
        left -= length;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
}

}  // namespace

void appendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t utf8SequenceLength(std::string_view s, char32_t& c) {
    auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b0 = b(0);
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    std::size_t n;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
        c = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        c = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        c = b0 & 0x07;
        min = 0x10000;
    } else return 0;
    if (s.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b(i) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

void appendFromCp932(std::string_view bytes, Text& out) { decodeStretch(bytes, out); }

Text fromCp932(std::string_view bytes) {
    Text out;
    out.reserve(bytes.size());
    appendFromCp932(bytes, out);
    return out;
}

void appendToCp932(TextView text, std::string& out) { encodeStretch(text, out); }

std::string toCp932(TextView text) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    appendToCp932(text, out);
    return out;
}

char32_t firstUnencodable(TextView text) {
    std::string scratch(text.size() * 2, '\0');  // room for any stretch; its bytes are not needed
    const char16_t* src = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        char* dst = scratch.data();
        if (platform::utf16ToCp932(src, left, dst) == platform::ConvertStatus::Done) break;
        if (!isRawByte(*src)) return characterAt(TextView(src, left)).code;
        ++src;
        --left;
    }
    return 0;
}

void appendFromUtf8(std::string_view bytes, Text& out) {
    while (!bytes.empty()) {
        char32_t c = 0;
        std::size_t n = utf8SequenceLength(bytes, c);
        if (n == 0) {
            out += static_cast<char16_t>(kRawByteBase + static_cast<unsigned char>(bytes[0]));
            n = 1;
        } else {
            appendCharacter(c, out);
        }
        bytes.remove_prefix(n);
    }
}

Text fromUtf8(std::string_view bytes) {
    Text out;
    out.reserve(bytes.size());
    appendFromUtf8(bytes, out);
    return out;
}

std::string toUtf8(TextView text) {
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (std::size_t i = 0; i < text.size();) {
        if (isRawByte(text[i])) {
            out += static_cast<char>(text[i] - kRawByteBase);
            ++i;
            continue;
        }
        const auto [c, length] = characterAt(text.substr(i));
        appendUtf8(c, out);
        i += length;
    }
    return out;
}

Text cutToCp932Bytes(TextView text, std::size_t maxBytes) {
    if (toCp932(text).size() <= maxBytes) return Text(text);
    std::size_t bytes = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t units = lineBreakAt(text, i) == 2 ? 2 : characterAt(text.substr(i)).units;
        const TextView character = text.substr(i, units);
        const std::size_t length = character.front() < 0x80 ? units : toCp932(character).size();
        if (bytes + length > maxBytes) break;
        bytes += length;
        i += units;
    }
    return Text(text.substr(0, i));
}

}  // namespace pelin::text
