#include "settings/settings_content.h"

#include "settings/profile_format.h"
#include "settings/value_text.h"

namespace pelin::settings {

namespace {

std::string toBytes(TextView text, profile::Encoding encoding) {
    return encoding == profile::Encoding::Utf8 ? text::toUtf8(text) : text::toCp932(text);
}

Text fromBytes(std::string_view bytes, profile::Encoding encoding) {
    return encoding == profile::Encoding::Utf8 ? text::fromUtf8(bytes) : text::fromCp932(bytes);
}

}  // namespace

Text readSettingFrom(std::string_view file, TextView section, TextView key) {
    const profile::Encoding encoding = profile::detectEncoding(file);
    const std::optional<std::string> raw =
        profile::findValue(file, toBytes(section, encoding), toBytes(key, encoding), encoding);
    if (!raw) return {};
    Text stored = fromBytes(*raw, encoding);
    if (const std::size_t nul = stored.find(u'\0'); nul != Text::npos) stored.resize(nul);
    return text::cutToCp932Bytes(decodeValueText(stored), kMaxReadBytes);
}

std::optional<std::string> writeSettingTo(std::string_view file, TextView section, TextView key,
                                          TextView value) {
    const profile::Encoding encoding = profile::detectEncoding(file);
    return profile::withValue(file, toBytes(section, encoding), toBytes(key, encoding),
                              toBytes(encodeValueText(value), encoding), encoding);
}

}  // namespace pelin::settings
