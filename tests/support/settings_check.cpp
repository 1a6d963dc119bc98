// Arbitrary bytes as a settings file: reading must not crash or hang, and a write
// must change nothing but the written key. The first bytes choose the section,
// the key, the value and its characters (code page 932, UTF-8 or any UTF-16
// units), and the file's form (as it is, with CR alone for every line end, or
// in UTF-16 of either byte order); the rest is the file.
#include "support/settings_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/settings_content.h"
#include "settings/value_text.h"
#include "text/utf16.h"

namespace {

using pelin::text::ByteOrder;
using pelin::text::Text;
using pelin::text::TextView;

constexpr TextView kSections[] = {u"Setei", u"setei", u"Data", u"ア", u"ヂ", u"ゼ", u""};
constexpr TextView kKeys[] = {u"LangS", u"langs", u"CommentS", u"Char", u"A", u"ア", u"ヂ", u"ゼ]", u""};

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "settings fuzz: %s\n", what);
        std::abort();
    }
}

bool sameName(TextView a, TextView b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

Text valueFrom(std::string_view bytes, unsigned char form) {
    switch (form % 3) {
    case 0: return pelin::text::fromCp932(bytes);
    case 1: return pelin::text::fromUtf8(bytes);
    default: return pelin::text::fromUtf16(bytes, ByteOrder::LittleEndian);
    }
}

std::string fileFrom(std::string_view bytes, unsigned char form) {
    switch (form % 4) {
    case 0: return std::string(bytes);
    case 1: {
        std::string crAlone;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
            crAlone += bytes[i] == '\n' ? '\r' : bytes[i];
        }
        return crAlone;
    }
    case 2:
        return std::string(pelin::text::kUtf16LeBom) +
               pelin::text::toUtf16(pelin::text::fromCp932(bytes), ByteOrder::LittleEndian);
    default: return std::string(pelin::text::kUtf16BeBom) + std::string(bytes);  // any units, an odd byte at the end
    }
}

// A UTF-16 file as lines of bytes, so that its lines can be compared as any other file's.
std::string asBytes(std::string_view file) {
    const std::optional<ByteOrder> order = pelin::text::utf16ByteOrder(file);
    if (!order) return std::string(file);
    return pelin::text::toUtf8(pelin::text::fromUtf16(file.substr(2), *order));
}

// The write may change bytes inside one line, or insert whole lines; nothing else.
void checkOnlyOneLineChanged(std::string_view before, std::string_view after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string_view removed = before.substr(prefix, before.size() - prefix - suffix);
    const std::string_view added = after.substr(prefix, after.size() - prefix - suffix);
    check(removed.find_first_of("\r\n") == std::string_view::npos, "a line break of the file was removed");
    check(added.find_first_of("\r\n") == std::string_view::npos || removed.empty(),
          "lines were added in place of other bytes");
}

}  // namespace

namespace pelin::testing {

void checkSettingsInput(std::string_view input) {
    if (input.size() < 3) return;
    const TextView section = kSections[static_cast<unsigned char>(input[0]) % std::size(kSections)];
    const TextView key = kKeys[static_cast<unsigned char>(input[1]) % std::size(kKeys)];
    const std::size_t valueLength = std::min<std::size_t>(static_cast<unsigned char>(input[2]) % 64, input.size() - 3);
    const Text value = valueFrom(input.substr(3, valueLength), static_cast<unsigned char>(input[1]) / 16);
    const std::string file = fileFrom(input.substr(3 + valueLength), static_cast<unsigned char>(input[0]) / 16);

    Text readBefore[std::size(kSections)][std::size(kKeys)];
    for (std::size_t s = 0; s < std::size(kSections); ++s) {
        for (std::size_t k = 0; k < std::size(kKeys); ++k) {
            readBefore[s][k] = pelin::settings::readSettingFrom(file, kSections[s], kKeys[k]);
            check(pelin::text::toCp932(readBefore[s][k]).size() <= pelin::settings::kMaxReadBytes,
                  "a read returned more than 254 bytes");
        }
    }

    const std::optional<std::string> written = pelin::settings::writeSettingTo(file, section, key, value);
    if (!pelin::settings::canWriteInto(file)) {
        check(!written, "a file whose text cannot be kept was written");
        return;
    }
    check(written.has_value(), "a valid key could not be written");
    check(pelin::text::utf16ByteOrder(*written) == pelin::text::utf16ByteOrder(file), "the file changed its encoding");
    checkOnlyOneLineChanged(asBytes(file), asBytes(*written));
    // A value of one line is stored as its bytes, and a byte that is no character
    // may pair with the next one when read, as it does anywhere in the file; a
    // value stored in its escaped form comes back exactly.
    const bool unicode = file.starts_with("\xEF\xBB\xBF") || pelin::text::utf16ByteOrder(file);
    const auto holds = unicode ? pelin::settings::ValueFile::Unicode : pelin::settings::ValueFile::Cp932;
    const Text expected = pelin::settings::encodeValueText(value, holds) != value ? value
                          : unicode ? pelin::text::fromUtf8(pelin::text::toUtf8(value))
                                    : pelin::text::fromCp932(pelin::text::toCp932(value));
    check(pelin::settings::readSettingFrom(*written, section, key) ==
              pelin::text::cutToCp932Bytes(expected, pelin::settings::kMaxReadBytes),
          "the written value does not read back");
    for (std::size_t s = 0; s < std::size(kSections); ++s) {
        for (std::size_t k = 0; k < std::size(kKeys); ++k) {
            if (sameName(kSections[s], section) && sameName(kKeys[k], key)) continue;
            check(pelin::settings::readSettingFrom(*written, kSections[s], kKeys[k]) == readBefore[s][k],
                  "another key changed");
        }
    }
    check(pelin::settings::writeSettingTo(*written, section, key, value) == written,
          "writing the same value again changed the file");
}

}  // namespace pelin::testing
