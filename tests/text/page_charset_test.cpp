#include "text/page_charset.h"

#include <gtest/gtest.h>

#include "text/characters.h"

namespace pelin::text {
namespace {

// Every character code page 932 holds, ASCII and half-width katakana included.
Text everyCodePage932Character() {
    Text all;
    for (int b = 0x20; b < 0x100; ++b) {
        const char one = static_cast<char>(b);
        const Text single = fromCp932(std::string_view(&one, 1));
        if (!isRawByte(single[0])) all += single;
        for (int t = 0x40; t < 0x100 && isRawByte(single[0]); ++t) {
            const char two[2] = {one, static_cast<char>(t)};
            const Text pair = fromCp932(std::string_view(two, 2));
            if (pair.size() == 1 && !isRawByte(pair[0])) all += pair;
        }
    }
    return all;
}

TEST(PageCharset, LabelsAreReadAsBrowsersReadThem) {
    EXPECT_EQ(pageCharsetOf(u"euc-jp"), PageCharset::EucJp);
    EXPECT_EQ(pageCharsetOf(u" X-EUC-JP "), PageCharset::EucJp);
    EXPECT_EQ(pageCharsetOf(u"iso-2022-jp"), PageCharset::Iso2022Jp);
    EXPECT_EQ(pageCharsetOf(u"UTF-8"), PageCharset::Utf8);
    EXPECT_EQ(pageCharsetOf(u"utf8"), PageCharset::Utf8);
    for (TextView other : {u"Shift_JIS", u"", u"utf-16", u"euc-jp2"})
        EXPECT_EQ(pageCharsetOf(other), PageCharset::Cp932);
}

// Each set carries every character of code page 932 that has a place in it and
// gives it back; the user-defined characters have none in the JIS sets, nor has
// half-width katakana in ISO-2022-JP.
TEST(PageCharset, EveryCodePage932CharacterRoundTripsThroughEachSet) {
    const Text all = everyCodePage932Character();
    ASSERT_GT(all.size(), 9000u);
    for (PageCharset charset : {PageCharset::EucJp, PageCharset::Iso2022Jp, PageCharset::Utf8}) {
        Text carried;
        std::u32string refused;
        for (char16_t c : all) {
            if (firstUnencodableIn(charset, TextView(&c, 1)) == 0) carried += c;
            else refused += c;
        }
        EXPECT_EQ(decodeFrom(charset, encodeIn(charset, carried)), carried) << text::toUtf8(charsetName(charset));
        for (char32_t c : refused) {
            const bool userDefined = c >= 0xE000 && c <= 0xE757;
            const bool halfWidthKana = c >= 0xFF61 && c <= 0xFF9F;
            EXPECT_TRUE(userDefined || (charset == PageCharset::Iso2022Jp && halfWidthKana))
                << text::toUtf8(charsetName(charset)) << " U+" << std::hex << static_cast<unsigned>(c);
        }
        EXPECT_EQ(refused.empty(), charset == PageCharset::Utf8);
    }
}

TEST(PageCharset, BytesThatAreNoCharacterAreKeptThroughAFile) {
    for (PageCharset charset : {PageCharset::EucJp, PageCharset::Iso2022Jp, PageCharset::Utf8}) {
        const std::string bytes = std::string("a\xFF\x8E") + "b";
        EXPECT_EQ(encodeIn(charset, decodeFrom(charset, bytes)), bytes) << text::toUtf8(charsetName(charset));
    }
}

}  // namespace
}  // namespace pelin::text
