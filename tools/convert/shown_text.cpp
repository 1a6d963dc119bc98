#include "shown_text.h"

#include "text/characters.h"
#include "text/textfile.h"

namespace pelin::convert {
namespace {

void appendHex(std::string& out, const char* prefix, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

}  // namespace

std::string shownText(text::TextView text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const text::Character c = text::characterAt(text.substr(i));
        if (text::isRawByte(text[i])) appendHex(out, "\\x", text[i] - text::kRawByteBase, 2);
        else if (c.code < 0x20 || c.code == 0x7F) appendHex(out, "\\x", c.code, 2);
        else if ((c.code >= 0x80 && c.code <= 0x9F) || (c.code >= 0xD800 && c.code <= 0xDFFF))
            appendHex(out, "\\u", c.code, 4);
        else out += text::toUtf8(text.substr(i, c.units));
        i += c.units;
    }
    return out;
}

std::string shownName(const std::filesystem::path& path) { return shownText(text::fromPath(path)); }

std::string shownArgument(std::string_view utf8) { return shownText(text::fromUtf8(utf8)); }

}  // namespace pelin::convert
