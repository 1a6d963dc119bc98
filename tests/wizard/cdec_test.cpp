#include "wizard/cdec.h"

#include <gtest/gtest.h>

#include <limits>

namespace pelin::wizard::cdec {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(Cdec, DigitsAndCharacters) {
    EXPECT_EQ(CharToDigit(u"a"), 10);
    EXPECT_EQ(CharToDigit(u"F"), 15);
    EXPECT_EQ(CharToDigit(u"z"), 35);
    EXPECT_EQ(CharToDigit(u"7"), 7);
    EXPECT_EQ(CharToDigit(u"G0"), 16);        // only the first character counts when it is a letter
    EXPECT_EQ(CharToDigit(u"12"), 12);        // a text that starts with a digit reads whole
    EXPECT_EQ(CharToDigit(u"ｱ"), 0xB1 - 55);  // half-width katakana are single-byte codes
    EXPECT_EQ(CharToDigit(u""), std::nullopt);
    EXPECT_EQ(CharToDigit(u"#"), std::nullopt);
    EXPECT_EQ(CharToDigit(u"-"), std::nullopt);
    EXPECT_EQ(CharToDigit(u"あ"), std::nullopt);
    EXPECT_EQ(CharToDigit(u"１"), std::nullopt);

    EXPECT_EQ(DigitToChar(0), u"0");
    EXPECT_EQ(DigitToChar(9), u"9");
    EXPECT_EQ(DigitToChar(-3), u"-3");
    EXPECT_EQ(DigitToChar(10), u"A");
    EXPECT_EQ(DigitToChar(35), u"Z");
    EXPECT_EQ(DigitToChar(36), u"[");
    EXPECT_EQ(DigitToChar(kMax), std::nullopt);
}

TEST(Cdec, BaseToNumberOverflowsLikeThirtyTwoBitArithmetic) {
    EXPECT_EQ(BaseToNumber(16, u"FF"), 255);
    EXPECT_EQ(BaseToNumber(16, u"ff"), 255);
    EXPECT_EQ(BaseToNumber(16, u""), 0);
    EXPECT_EQ(BaseToNumber(10, u"G"), 16);  // digits are not checked against the base
    EXPECT_EQ(BaseToNumber(16, u"7FFFFFF"), 0x7FFFFFF);
    // The weight is multiplied once more after the last digit.
    EXPECT_EQ(BaseToNumber(16, u"12345678"), std::nullopt);
    EXPECT_EQ(BaseToNumber(16, u"00000000"), std::nullopt);
    EXPECT_EQ(BaseToNumber(10, u"2147483647"), std::nullopt);
    EXPECT_EQ(BaseToNumber(10, u"999999999"), 999999999);
    EXPECT_EQ(BaseToNumber(16, u"F#"), std::nullopt);
}

TEST(Cdec, NumberToBase) {
    EXPECT_EQ(NumberToBase(10, 255), u"255");
    EXPECT_EQ(NumberToBase(16, 255), u"FF");
    EXPECT_EQ(NumberToBase(2, 5), u"101");
    EXPECT_EQ(NumberToBase(36, 35), u"Z");
    for (std::int32_t base : {2, 10, 16, 1, 0}) EXPECT_EQ(NumberToBase(base, 0), u"0");
    EXPECT_EQ(NumberToBase(10, -5), u"");
    EXPECT_EQ(NumberToBase(16, 16777215), u"FFFFFF");
    EXPECT_EQ(NumberToBase(16, 0x10000000), std::nullopt);  // the next place value overflows
    EXPECT_EQ(NumberToBase(10, kMax), std::nullopt);
    EXPECT_EQ(NumberToBase(1, 5), std::nullopt);
    EXPECT_EQ(NumberToBase(0, 5), std::nullopt);
    EXPECT_EQ(NumberToBase(-1, 5), std::nullopt);

    EXPECT_EQ(ConvertBase(16, 10, u"FF"), u"255");
    EXPECT_EQ(ConvertBase(16, 10, u""), u"0");
    EXPECT_EQ(ConvertBase(16, 10, u"#F"), std::nullopt);

    EXPECT_EQ(PadLeftZeros(2, u"F"), u"0F");
    EXPECT_EQ(PadLeftZeros(2, u""), u"00");
    EXPECT_EQ(PadLeftZeros(2, u"ABC"), u"ABC");
    EXPECT_EQ(PadLeftZeros(-1, u"A"), u"A");
}

TEST(Cdec, CodeToColourNumber) {
    EXPECT_EQ(CodeToColourNumber(u"FF"), 255);  // red; missing pairs are 0
    EXPECT_EQ(CodeToColourNumber(u"ff8000"), CodeToColourNumber(u"FF8000"));
    EXPECT_EQ(CodeToColourNumber(u"FF8000"), 255 + 128 * 256);
    EXPECT_EQ(CodeToColourNumber(u"0000FF"), 16711680);
    EXPECT_EQ(CodeToColourNumber(u""), 0);
    EXPECT_EQ(CodeToColourNumber(u"F"), 15);
    EXPECT_EQ(CodeToColourNumber(u"G0"), 256);  // spills into green
    EXPECT_EQ(CodeToColourNumber(u"ZZZZZZ"), 595 + 595 * 256 + 595 * 65536);
    EXPECT_EQ(CodeToColourNumber(u"00000FXYZ"), 15 * 65536);  // after the sixth: not looked at
    EXPECT_EQ(CodeToColourNumber(u"#FF000"), std::nullopt);
    EXPECT_EQ(CodeToColourNumber(u"FF00あ0"), std::nullopt);
}

TEST(Cdec, ColourNumberToCode) {
    EXPECT_EQ(ColourNumberToCode(16711680), u"0000FF");
    EXPECT_EQ(ColourNumberToCode(255), u"FF0000");
    EXPECT_EQ(ColourNumberToCode(0), u"000000");
    EXPECT_EQ(ColourNumberToCode(16744576), u"8080FF");
    EXPECT_EQ(ColourNumberToCode(16777215), u"FFFFFF");
    for (std::int32_t colour : {0, 1, 0x123456, 0xABCDEF, 16777215}) {
        EXPECT_EQ(CodeToColourNumber(ColourNumberToCode(colour)), colour);
    }
}

}  // namespace
}  // namespace pelin::wizard::cdec
