#include "settings/settings_content.h"

#include "settings/profile_format.h"
#include "settings/value_text.h"
#include "text/utf16.h"

namespace pelin::settings {

namespace {

std::string toBytes(TextView text, profile::Encoding encoding) {
    return encoding == profile::Encoding::Utf8 ? text::toUtf8(text) : text::toCp932(text);
}

Text fromBytes(std::string_view bytes, profile::Encoding encoding) {
    return encoding == profile::Encoding::Utf8 ? text::fromUtf8(bytes) : text::fromCp932(bytes);
}

// A UTF-16 file (Windows writes a Unicode profile so) is worked on in its UTF-8
// form: the same text, with the same ASCII marks for sections, keys and lines.
std::string utf8FormOf(std::string_view file, text::ByteOrder order) {
    return std::string(text::kUtf8Bom) + text::toUtf8(text::fromUtf16(file.substr(text::kUtf16LeBom.size()), order));
}

std::string utf16FormOf(std::string_view utf8Form, text::ByteOrder order) {
    std::string out(order == text::ByteOrder::LittleEndian ? text::kUtf16LeBom : text::kUtf16BeBom);
    out += text::toUtf16(text::fromUtf8(utf8Form.substr(text::kUtf8Bom.size())), order);
    return out;
}

}  // namespace

bool canWriteInto(std::string_view file) {
    const std::optional<text::ByteOrder> order = text::utf16ByteOrder(file);
    return !order || utf16FormOf(utf8FormOf(file, *order), *order) == file;
}

Text readSettingFrom(std::string_view file, TextView section, TextView key) {
    if (const std::optional<text::ByteOrder> order = text::utf16ByteOrder(file))
        return readSettingFrom(utf8FormOf(file, *order), section, key);
    const profile::Encoding encoding = profile::detectEncoding(file);
    const std::optional<std::string> raw =
        profile::findValue(file, toBytes(section, encoding), toBytes(key, encoding), encoding);
    if (!raw) return {};
    Text stored = fromBytes(*raw, encoding);
    if (const std::size_t nul = stored.find(u'\0'); nul != Text::npos) stored.resize(nul);
    return text::cutToCp932Bytes(decodeValueText(stored), kMaxReadBytes);
}

std::optional<std::string> writeSettingTo(std::string_view file, TextView section, TextView key, TextView value) {
    if (const std::optional<text::ByteOrder> order = text::utf16ByteOrder(file)) {
        if (!canWriteInto(file)) return std::nullopt;
        const std::optional<std::string> written = writeSettingTo(utf8FormOf(file, *order), section, key, value);
        if (!written) return std::nullopt;
        return utf16FormOf(*written, *order);
    }
    const profile::Encoding encoding = profile::detectEncoding(file);
    const ValueFile holds = encoding == profile::Encoding::Utf8 ? ValueFile::Unicode : ValueFile::Cp932;
    return profile::withValue(file, toBytes(section, encoding), toBytes(key, encoding),
                              toBytes(encodeValueText(value, holds), encoding), encoding);
}

}  // namespace pelin::settings
