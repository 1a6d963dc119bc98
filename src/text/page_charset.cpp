#include "text/page_charset.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "text/characters.h"
#include "text/utf8_encoding.h"

namespace pelin::text {
namespace {

// JIS X 0208 row and cell (1 to 94 each) of every character that has a place in
// rows 1 to 94 of code page 932, the first place where it has two.
struct JisTable {
    std::array<std::uint16_t, 65536> place{};  // unit → row << 8 | cell, 0 for none

    JisTable() {
        for (int row = 1; row <= 94; ++row) {
            for (int cell = 1; cell <= 94; ++cell) {
                const std::string sjis = shiftJisOf(row, cell);
                const Text decoded = fromCp932(sjis);
                if (decoded.size() != 1 || isRawByte(decoded[0])) continue;
                std::uint16_t& known = place[decoded[0]];
                if (known == 0) known = static_cast<std::uint16_t>(row << 8 | cell);
            }
        }
    }

    static std::string shiftJisOf(int row, int cell) {
        const int lead = ((row + 0x21) >> 1) + (row <= 62 ? 0x70 : 0xB0);
        const int trail = row % 2 == 1 ? cell + 0x3F + (cell >= 64 ? 1 : 0) : cell + 0x9E;
        return {static_cast<char>(lead), static_cast<char>(trail)};
    }
};

const JisTable& jisTable() {
    static const std::unique_ptr<JisTable> table = std::make_unique<JisTable>();
    return *table;
}

std::uint16_t jisPlace(char32_t c) { return c < 0x10000 ? jisTable().place[c] : 0; }

// The character at a row and cell of JIS X 0208, or nothing.
std::optional<char16_t> jisCharacter(int row, int cell) {
    if (row < 1 || row > 94 || cell < 1 || cell > 94) return std::nullopt;
    const Text decoded = fromCp932(JisTable::shiftJisOf(row, cell));
    if (decoded.size() != 1 || isRawByte(decoded[0])) return std::nullopt;
    return decoded[0];
}

bool isHalfWidthKatakana(char32_t c) { return c >= 0xFF61 && c <= 0xFF9F; }
// Bytes that switch ISO-2022-JP's state, which no text may hold as characters.
bool isIsoControl(char32_t c) { return c == 0x0E || c == 0x0F || c == 0x1B; }

void appendReference(char32_t c, std::string& out) {
    out += "&#";
    out += std::to_string(static_cast<std::uint32_t>(c));
    out += ';';
}

bool carries(PageCharset charset, char32_t c) {
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    switch (charset) {
    case PageCharset::Utf8: return !surrogate;
    case PageCharset::EucJp: return c < 0x80 || jisPlace(c) != 0 || isHalfWidthKatakana(c);
    case PageCharset::Iso2022Jp: return (c < 0x80 && !isIsoControl(c)) || jisPlace(c) != 0;
    case PageCharset::Cp932: break;
    }
    Text one;
    text::appendCharacter(c, one);
    return firstUnencodable(one) == 0;
}

Text decodeEucJp(std::string_view bytes) {
    Text out;
    out.reserve(bytes.size());
    auto byte = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0; };
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char b = byte(i);
        if (b < 0x80) {
            out += b;
            ++i;
            continue;
        }
        const unsigned char t = byte(i + 1);
        if (b == 0x8E && t >= 0xA1 && t <= 0xDF) {
            out += static_cast<char16_t>(0xFF61 + t - 0xA1);
            i += 2;
            continue;
        }
        if (b >= 0xA1 && b <= 0xFE && t >= 0xA1 && t <= 0xFE) {
            if (const std::optional<char16_t> c = jisCharacter(b - 0xA0, t - 0xA0)) {
                out += *c;
                i += 2;
                continue;
            }
        }
        out += static_cast<char16_t>(kRawByteBase + b);
        ++i;
    }
    return out;
}

Text decodeIso2022Jp(std::string_view bytes) {
    enum class State { Ascii, Roman, Jis, Katakana } state = State::Ascii;
    Text out;
    out.reserve(bytes.size());
    auto byte = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0; };
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char b = byte(i);
        if (b == 0x1B) {
            const std::string_view escape = bytes.substr(i, 3);
            std::optional<State> next;
            if (escape == "\x1B(B") next = State::Ascii;
            else if (escape == "\x1B(J") next = State::Roman;
            else if (escape == "\x1B$@" || escape == "\x1B$B") next = State::Jis;
            else if (escape == "\x1B(I") next = State::Katakana;
            if (next) {
                state = *next;
                i += 3;
                continue;
            }
        } else if (b == '\r' || b == '\n') {
            out += b;  // a line ends in ASCII, whatever came before
            state = state == State::Roman ? State::Roman : State::Ascii;
            ++i;
            continue;
        } else if (state == State::Jis && b >= 0x21 && b <= 0x7E) {
            if (const std::optional<char16_t> c = jisCharacter(b - 0x20, byte(i + 1) - 0x20)) {
                out += *c;
                i += 2;
                continue;
            }
        } else if (state == State::Katakana && b >= 0x21 && b <= 0x5F) {
            out += static_cast<char16_t>(0xFF61 + b - 0x21);
            ++i;
            continue;
        } else if ((state == State::Ascii || state == State::Roman) && b < 0x80 && !isIsoControl(b)) {
            out += state == State::Roman && b == 0x5C ? u'\u00A5' : state == State::Roman && b == 0x7E ? u'\u203E' : b;
            ++i;
            continue;
        }
        out += static_cast<char16_t>(kRawByteBase + b);
        ++i;
    }
    return out;
}

bool sameLabel(TextView given, std::string_view known) {
    if (given.size() != known.size()) return false;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const char16_t c = given[i] >= u'A' && given[i] <= u'Z' ? given[i] + 0x20 : given[i];
        if (c != static_cast<unsigned char>(known[i])) return false;
    }
    return true;
}

}  // namespace

PageCharset pageCharsetOf(TextView label) {
    // Browsers take the label without the blanks around it and in any letter case.
    const std::size_t first = label.find_first_not_of(u" \t\n\f\r");
    if (first == TextView::npos) return PageCharset::Cp932;
    label = label.substr(first, label.find_last_not_of(u" \t\n\f\r") - first + 1);
    struct Known {
        std::string_view label;
        PageCharset charset;
    };
    static constexpr Known kLabels[] = {
        {"euc-jp", PageCharset::EucJp},
        {"x-euc-jp", PageCharset::EucJp},
        {"cseucpkdfmtjapanese", PageCharset::EucJp},
        {"iso-2022-jp", PageCharset::Iso2022Jp},
        {"csiso2022jp", PageCharset::Iso2022Jp},
        {"utf-8", PageCharset::Utf8},
        {"utf8", PageCharset::Utf8},
        {"unicode-1-1-utf-8", PageCharset::Utf8},
        {"unicode11utf8", PageCharset::Utf8},
        {"unicode20utf8", PageCharset::Utf8},
        {"x-unicode20utf8", PageCharset::Utf8},
    };
    for (const Known& known : kLabels)
        if (sameLabel(label, known.label)) return known.charset;
    return PageCharset::Cp932;
}

std::u16string_view charsetName(PageCharset charset) {
    switch (charset) {
    case PageCharset::EucJp: return u"EUC-JP";
    case PageCharset::Iso2022Jp: return u"ISO-2022-JP";
    case PageCharset::Utf8: return u"UTF-8";
    case PageCharset::Cp932: break;
    }
    return u"Shift_JIS";
}

CharsetEncoder::CharsetEncoder(PageCharset charset, RawBytes raw) : charset_(charset), raw_(raw) {
    if (charset_ == PageCharset::EucJp || charset_ == PageCharset::Iso2022Jp) jisTable();  // made now, not mid-page
}

void CharsetEncoder::append(TextView text, std::string& out) {
    if (charset_ == PageCharset::Cp932) {
        appendToCp932(text, out);
        return;
    }
    for (std::size_t i = 0; i < text.size();) {
        const Character c = characterAt(text.substr(i));
        i += c.units;
        if (c.units == 1 && isRawByte(text[i - 1])) {
            if (raw_ == RawBytes::Replaced) {
                appendCharacter(0xFFFD, out);
            } else {
                switchTo(false, out);
                out += static_cast<char>(text[i - 1] - kRawByteBase);
            }
            continue;
        }
        appendCharacter(c.code, out);
    }
}

void CharsetEncoder::appendCp932(std::string_view bytes, std::string& out) {
    if (charset_ == PageCharset::Cp932) {
        out.append(bytes);
        return;
    }
    decoded_.clear();
    appendFromCp932(bytes, decoded_);
    append(decoded_, out);
}

void CharsetEncoder::finish(std::string& out) { switchTo(false, out); }

void CharsetEncoder::appendCharacter(char32_t c, std::string& out) {
    if (!carries(charset_, c)) {
        switchTo(false, out);
        appendReference(c, out);
        return;
    }
    if (charset_ == PageCharset::Utf8) return appendUtf8(c, out);
    if (c < 0x80) {
        switchTo(false, out);
        out += static_cast<char>(c);
        return;
    }
    if (const std::uint16_t place = jisPlace(c)) {
        const int base = charset_ == PageCharset::EucJp ? 0xA0 : 0x20;
        switchTo(true, out);
        out += static_cast<char>((place >> 8) + base);
        out += static_cast<char>((place & 0xFF) + base);
        return;
    }
    out += '\x8E';  // a half-width katakana in EUC-JP, the only other it carries
    out += static_cast<char>(c - 0xFF61 + 0xA1);
}

void CharsetEncoder::switchTo(bool jis, std::string& out) {
    if (charset_ != PageCharset::Iso2022Jp || jis == jis_) return;
    out += jis ? "\x1B$B" : "\x1B(B";
    jis_ = jis;
}

std::string encodeIn(PageCharset charset, TextView text) {
    CharsetEncoder encoder(charset, RawBytes::Kept);
    std::string out;
    encoder.append(text, out);
    encoder.finish(out);
    return out;
}

Text decodeFrom(PageCharset charset, std::string_view bytes) {
    switch (charset) {
    case PageCharset::EucJp: return decodeEucJp(bytes);
    case PageCharset::Iso2022Jp: return decodeIso2022Jp(bytes);
    case PageCharset::Utf8: return fromUtf8(bytes);
    case PageCharset::Cp932: break;
    }
    return fromCp932(bytes);
}

char32_t firstUnencodableIn(PageCharset charset, TextView text) {
    if (charset == PageCharset::Cp932) return firstUnencodable(text);
    for (std::size_t i = 0; i < text.size();) {
        const Character c = characterAt(text.substr(i));
        if (!(c.units == 1 && isRawByte(text[i])) && !carries(charset, c.code)) return c.code;
        i += c.units;
    }
    return 0;
}

}  // namespace pelin::text
