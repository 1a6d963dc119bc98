#include "settings/value_text.h"

namespace pelin::settings {

Text encodeValueText(TextView value) {
    const bool needsEncoding = value.starts_with(kLinesMarker) ||
                               value.find_first_of(TextView(u"\r\n\0", 3)) != TextView::npos;
    if (!needsEncoding) return Text(value);
    Text out(kLinesMarker);
    out.reserve(out.size() + value.size() + value.size() / 8);
    for (char16_t c : value) {
        switch (c) {
            case u'\\': out += u"\\\\"; break;
            case u'\r': out += u"\\r"; break;
            case u'\n': out += u"\\n"; break;
            case u'\0': out += u"\\0"; break;
            default:
                if (text::isRawByte(c)) {
                    const unsigned byte = c - text::kRawByteBase;
                    out += u"\\x";
                    out += u"0123456789ABCDEF"[byte / 16];
                    out += u"0123456789ABCDEF"[byte % 16];
                } else {
                    out += c;
                }
        }
    }
    return out;
}

namespace {

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

}  // namespace

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
            default: out += c; continue;  // not an escape: the "\" stands for itself
        }
        ++i;
    }
    return out;
}

}  // namespace pelin::settings
