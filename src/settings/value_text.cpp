#include "settings/value_text.h"

#include <utility>

#include "text/characters.h"

namespace pelin::settings {

namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

// Whether `file` holds `character` (a unit or a surrogate pair) so that it reads
// back as itself. Code page 932 writes some characters in the form of another
// ("¥" as "\", "−" as "－"), and a byte that is no character stands for
// itself; a Unicode file holds every character, but no lone half of a pair.
bool holds(ValueFile file, TextView character) {
    if (file == ValueFile::Cp932)
        return text::isRawByte(character[0]) || text::fromCp932(text::toCp932(character)) == character;
    const char32_t code = text::characterAt(character).code;
    return code < 0xD800 || code > 0xDFFF;
}

// Whether `value` must be stored escaped to come back exactly.
bool needsEncoding(TextView value, ValueFile file) {
    if (value.starts_with(kLinesMarker) || value.find_first_of(TextView(u"\r\n\0", 3)) != TextView::npos) return true;
    if (file == ValueFile::Cp932) return text::fromCp932(text::toCp932(value)) != value;
    for (std::size_t i = 0; i < value.size();) {
        const std::size_t units = text::characterAt(value.substr(i)).units;
        if (!holds(file, value.substr(i, units))) return true;
        i += units;
    }
    return false;
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// The value of two upper-case hexadecimal digits at the start of `text`, or -1.
int hexByte(TextView text) {
    if (text.size() < 2 || hexDigit(text[0]) < 0 || hexDigit(text[1]) < 0) return -1;
    return hexDigit(text[0]) * 16 + hexDigit(text[1]);
}

// "{HEX}" at the start of `text`, one to six upper-case digits of a code point:
// the code point and the length of the whole; a length of 0 when there is none.
std::pair<char32_t, std::size_t> codePointInBraces(TextView text) {
    if (text.empty() || text[0] != u'{') return {0, 0};
    char32_t code = 0;
    std::size_t i = 1;
    for (; i < text.size() && i <= 6 && hexDigit(text[i]) >= 0; ++i)
        code = code * 16 + static_cast<char32_t>(hexDigit(text[i]));
    if (i == 1 || i == text.size() || text[i] != u'}' || code > 0x10FFFF) return {0, 0};
    return {code, i + 1};
}

void appendHex(char32_t value, int digits, Text& out) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kHexDigits[(value >> shift) & 0xF];
}

}  // namespace

Text encodeValueText(TextView value, ValueFile file) {
    if (!needsEncoding(value, file)) return Text(value);
    Text out(kLinesMarker);
    out.reserve(out.size() + value.size() + value.size() / 8);
    for (std::size_t i = 0; i < value.size();) {
        const char16_t c = value[i];
        const auto [code, units] = text::characterAt(value.substr(i));
        switch (c) {
        case u'\\': out += u"\\\\"; break;
        case u'\r': out += u"\\r"; break;
        case u'\n': out += u"\\n"; break;
        case u'\0': out += u"\\0"; break;
        default:
            if (text::isRawByte(c)) {
                out += u"\\x";
                appendHex(c - text::kRawByteBase, 2, out);
            } else if (!holds(file, value.substr(i, units))) {
                out += u"\\u{";
                int digits = 1;
                while (digits < 6 && (code >> (digits * 4)) != 0) ++digits;
                appendHex(code, digits, out);
                out += u'}';
            } else {
                out += value.substr(i, units);
            }
        }
        i += units;
    }
    return out;
}

Text decodeValueText(TextView stored) {
    if (!stored.starts_with(kLinesMarker)) return Text(stored);
    stored.remove_prefix(kLinesMarker.size());
    Text out;
    out.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char16_t c = stored[i];
        if (c != u'\\' || i + 1 == stored.size()) {
            out += c;
            continue;
        }
        switch (stored[i + 1]) {
        case u'\\': out += u'\\'; break;
        case u'r': out += u'\r'; break;
        case u'n': out += u'\n'; break;
        case u'0': out += u'\0'; break;
        case u'x':
            if (const int byte = hexByte(stored.substr(i + 2)); byte >= 0x80) {
                out += static_cast<char16_t>(text::kRawByteBase + byte);
                i += 2;
                break;
            }
            out += c;
            continue;
        case u'u':
            if (const auto [code, length] = codePointInBraces(stored.substr(i + 2)); length > 0) {
                text::appendCharacter(code, out);
                i += length;
                break;
            }
            out += c;
            continue;
        default: out += c; continue;  // not an escape: the "\" stands for itself
        }
        ++i;
    }
    return out;
}

}  // namespace pelin::settings
