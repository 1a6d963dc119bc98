#include "text/source_encoding.h"

#include <gtest/gtest.h>

#include "support/sample_text.h"
#include "text/text.h"

namespace pelin::text {
namespace {

using E = SourceEncoding;
using pelin::testing::SampleStyle;
using pelin::testing::SampleText;

E encodingOf(std::string_view bytes) { return takeSourceEncoding(bytes); }

TEST(SourceEncoding, TheMarkMakesUtf8AndIsTakenOff) {
    std::string_view bytes =
        "\xEF\xBB\xBF"
        "A\x93\xFA";
    EXPECT_EQ(takeSourceEncoding(bytes), E::Utf8);
    EXPECT_EQ(bytes, "A\x93\xFA");
}

TEST(SourceEncoding, Utf8NeedsAMultiByteSequence) {
    EXPECT_EQ(encodingOf("plain ascii"), E::Cp932);
    EXPECT_EQ(encodingOf("\xE6\x97\xA5\xE6\x9C\xAC"), E::Utf8);
    EXPECT_EQ(encodingOf("\x93\xFA\x96\x7B"), E::Cp932);  // 日本 in code page 932
    EXPECT_EQ(encodingOf("\xE6\x97"), E::Cp932);          // cut off, and nothing else
}

TEST(SourceEncoding, HalfWidthKatakanaThatPairsUpAsUtf8IsCodePage932) {
    // Every pair of half-width katakana whose code page 932 bytes are a UTF-8
    // character of two bytes (ﾂ to ﾟ, then ｡ to ｿ), one pair a word.
    std::string pairs;
    for (int lead = 0xC2; lead <= 0xDF; ++lead)
        for (int trail = 0xA1; trail <= 0xBF; ++trail) {
            pairs += static_cast<char>(lead);
            pairs += static_cast<char>(trail);
            pairs += ' ';
        }
    EXPECT_EQ(encodingOf(pairs), E::Cp932);
    EXPECT_EQ(encodingOf(toCp932(u"ﾊｲ ﾒｰ\r\n")), E::Cp932);
    // A Japanese character of three bytes, or a character of four, makes UTF-8.
    EXPECT_EQ(encodingOf(toUtf8(u"ﾊｲ ﾒｰ")), E::Utf8);
    EXPECT_EQ(encodingOf("caf\xC3\xA9 \xF0\x9F\x98\x80"), E::Utf8);
}

TEST(SourceEncoding, Utf8WithAFewDamagedBytesStaysUtf8) {
    const std::string japanese = toUtf8(u"日本語のテキストです。");
    EXPECT_EQ(encodingOf(japanese + "\xFF" + japanese), E::Utf8);      // a stray byte
    EXPECT_EQ(encodingOf(japanese + japanese + "\xE6\x97"), E::Utf8);  // cut off at the end
    EXPECT_EQ(encodingOf(japanese + "caf\xE9 " + japanese), E::Utf8);  // a Latin-1 é
    // One stray byte for eight sequence bytes is the most there may be.
    EXPECT_EQ(encodingOf("\xE6\x97\xA5\xE6\x97\xA5\xC3\x97\xFF"), E::Utf8);
    EXPECT_EQ(encodingOf("\xE6\x97\xA5\xC3\x97\xC3\x97\xFF"), E::Cp932);
}

TEST(SourceEncoding, CodePage932JapaneseIsNeverUtf8) {
    for (SampleStyle style : {SampleStyle::Benchmark, SampleStyle::Kanji, SampleStyle::Kana}) {
        SampleText sample(style);
        std::string whole;
        for (int i = 0; i < 2000; ++i) {
            const std::string line = toCp932(sample.nextLine());
            ASSERT_EQ(encodingOf(line), E::Cp932) << toUtf8(fromCp932(line));
            whole += line + "\r\n";
        }
        EXPECT_EQ(encodingOf(whole), E::Cp932);
        // Half-width katakana, whose bytes pair up as UTF-8 more often than any.
        EXPECT_EQ(encodingOf(toCp932(u"ﾃﾞｰﾀｼｽﾃﾑのﾃｽﾄとﾆｭｰｽ、ｽﾃｰｷとﾏｲｸ。")), E::Cp932);
    }
}

TEST(SourceEncoding, CodePage932IsSettledWithinItsFirstLines) {
    // So that telling the encoding costs a large code page 932 file nothing.
    SampleText sample(SampleStyle::Kana);
    std::string start;
    for (int i = 0; i < 5; ++i) start += toCp932(sample.nextLine()) + "\r\n";
    EncodingGuess guess;
    guess.take(start, false);
    EXPECT_TRUE(guess.settled());
    EXPECT_EQ(guess.encoding(), E::Cp932);
}

TEST(SourceEncoding, SequencesCutByTheEndOfABlockAreTakenWhole) {
    const std::string bytes = toUtf8(u"日本語のテキスト") + "\xFF";
    for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
        EncodingGuess guess;
        const std::size_t taken = guess.take(std::string_view(bytes).substr(0, cut), false);
        guess.take(std::string_view(bytes).substr(taken), true);
        EXPECT_EQ(guess.encoding(), E::Utf8) << cut;
    }
}

}  // namespace
}  // namespace pelin::text
