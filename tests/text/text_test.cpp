#include "text/text.h"

#include <gtest/gtest.h>

namespace pelin::text {
namespace {

TEST(Cp932, SymbolsMapAsWindowsMapsThem) {
    EXPECT_EQ(toCp932(u"×÷±～\\"), "\x81\x7E\x81\x80\x81\x7D\x81\x60\\");
    EXPECT_EQ(fromCp932("\x81\x7E\x81\x80\x81\x7D\x81\x60\\"), u"×÷±～\\");
}

TEST(Cp932, HalfWidthKatakanaAndExtensionRows) {
    // ｱ (0xB1), NEC row 13 ① (0x8740), NEC-selected IBM ⅰ (0xEEEF), IBM 纊 (0xFA5C)
    const std::string bytes = "\xB1\x87\x40\xFA\x5C";
    Text text = fromCp932(bytes);
    EXPECT_EQ(text, u"ｱ①纊");
    EXPECT_EQ(toCp932(text), bytes);
    EXPECT_EQ(fromCp932("\xEE\xEF"), u"ⅰ");
}

TEST(Cp932, InvalidBytesComeBackUnchanged) {
    // A lone lead byte before CR, an undefined single byte, a lead byte with a
    // trail that is not a trail, and a lead byte cut off at the end.
    const std::string bytes = std::string("a\x81\r\n\x80 \xA0 \x82\x20x\xFF\x83", 14);
    Text text = fromCp932(bytes);
    EXPECT_TRUE(isRawByte(text[1]));
    EXPECT_EQ(toCp932(text), bytes);
}

// Windows' own table alone gives these bytes a character; a page is written
// the same on every system.
TEST(Cp932, BytesOnlyWindowsMapsAreNoCharacterOnAnySystem) {
    for (const char* byte : {"\x80", "\xA0", "\xFD", "\xFE", "\xFF"}) EXPECT_TRUE(isRawByte(fromCp932(byte)[0]));
    EXPECT_EQ(toCp932(u"\u0080\uF8F0\uF8F3"), "&#128;&#63728;&#63731;");
    EXPECT_EQ(firstUnencodable(u"a\u0080"), U'\u0080');
}

TEST(Cp932, CharactersOutsideTheCodePageBecomeReferences) {
    EXPECT_EQ(toCp932(u"a😀b"), "a&#128512;b");
    EXPECT_EQ(toCp932(u"한"), "&#54620;");
    EXPECT_EQ(toCp932(u"\xD800x"), "&#55296;x");   // a lone surrogate is no raw byte
    EXPECT_EQ(toCp932(u"¥〜"), "&#165;&#12316;");  // not as the look-alikes "\" and "～"
    EXPECT_EQ(firstUnencodable(u"日本😀한"), U'😀');
    EXPECT_EQ(firstUnencodable(u"日本語ｱ×"), 0u);
}

TEST(Utf8, RoundTripsEveryByte) {
    const std::string bytes = "h\xC3\xA9 \xF0\x9F\x98\x80 \xC3 \xED\xB2\x80 end";
    Text text = fromUtf8(bytes);
    EXPECT_EQ(text.substr(0, 2), u"hé");
    EXPECT_EQ(toUtf8(text), bytes);
}

}  // namespace
}  // namespace pelin::text
