#include "notepad/proper_case.h"

#include <gtest/gtest.h>

namespace pelin::notepad {
namespace {

using namespace std::literals;

TEST(ProperCase, CapitalisesEachWordAndLowersTheRest) {
    EXPECT_EQ(properCase(u"hELLO wORLD"), u"Hello World");
    EXPECT_EQ(properCase(u"a\r\nb"), u"A\r\nB");
    EXPECT_EQ(properCase(u"x\ty\vz\fw\0v"sv), u"X\tY\vZ\fW\0V"sv);
    EXPECT_EQ(properCase(u"  two  spaces"), u"  Two  Spaces");
}

TEST(ProperCase, OnlyWhiteSpaceSeparatesWords) {
    EXPECT_EQ(properCase(u"it's"), u"It's");
    EXPECT_EQ(properCase(u"jean-luc"), u"Jean-luc");
    EXPECT_EQ(properCase(u"end.next"), u"End.next");
    EXPECT_EQ(properCase(u"(html) 1st"), u"(html) 1st");
    EXPECT_EQ(properCase(u"<P>TEXT</P>"), u"<p>text</p>");
}

TEST(ProperCase, CoversTheScriptsOfTheFiles) {
    EXPECT_EQ(properCase(u"ＡＢＣ　ｄｅｆ"), u"Ａｂｃ　Ｄｅｆ");  // full-width space separates too
    EXPECT_EQ(properCase(u"ΑΒΓ δ"), u"Αβγ Δ");
    EXPECT_EQ(properCase(u"ΣΟΦΟΣ ςx"), u"Σοφοσ Σx");
    EXPECT_EQ(properCase(u"кириллица ЁЖ"), u"Кириллица Ёж");
    EXPECT_EQ(properCase(u"ⅻ Ⅳ ⅰⅡ"), u"Ⅻ Ⅳ Ⅰⅱ");
}

TEST(ProperCase, LeavesCharactersWithoutCase) {
    const std::u16string text = u"ぺりん　変換 123 ＠！ \U0001F600x";
    EXPECT_EQ(properCase(text), u"ぺりん　変換 123 ＠！ \U0001F600x");
    EXPECT_EQ(properCase(u"Ａａ×÷µ"), u"Ａａ×÷µ");
}

TEST(CaseMapping, PairsAreInverse) {
    int letters = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const auto u = static_cast<char16_t>(c);
        if (toLowerCase(u) == u && toUpperCase(u) == u) continue;  // no case
        ++letters;
        const auto code = static_cast<unsigned>(c);
        EXPECT_EQ(toUpperCase(toLowerCase(u)), toUpperCase(u)) << std::hex << code;
        if (u != 0x03C2) {
            EXPECT_EQ(toLowerCase(toUpperCase(u)), toLowerCase(u)) << std::hex << code;
        }
    }
    // ASCII and full-width 52 each, Greek 26 pairs and ς, Cyrillic 48 pairs, Roman numerals 16 pairs.
    EXPECT_EQ(letters, 52 + 52 + 53 + 96 + 32);
}

}  // namespace
}  // namespace pelin::notepad
