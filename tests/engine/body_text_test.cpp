#include "engine/body_text.h"

#include <gtest/gtest.h>

#include <random>

#include "support/engine_answers.h"
#include "support/reference_body.h"

namespace pelin::engine {
namespace {

using testing::BodyBytes;
using testing::MemorySource;
using testing::sjis;

BodyBytes body(std::string_view bytes, LineBreakMode mode, bool pass = false, std::size_t blockSize = kBlockSize,
               Links links = {}) {
    std::string page;
    const platform::ChunkWriter write = [&](std::string_view chunk) { page.append(chunk); };
    PageOutput out(write);
    MemorySource source(bytes);
    EXPECT_EQ(writeBody(source, mode, pass, links, out, {}, blockSize).value(), Completion::Finished);
    out.flush();
    return {page, out.units()};
}

std::string bodyBytes(std::string_view bytes, LineBreakMode mode, bool pass = false) {
    return body(bytes, mode, pass).bytes;
}

TEST(BodyText, EachModeTagsEveryLine) {
    const std::string src = "abc\r\n\r\nd<e>\r\n";
    EXPECT_EQ(bodyBytes(src, LineBreakMode::BR), "abc<BR>\r\n<BR>\r\nd<e><BR>\r\n");
    EXPECT_EQ(bodyBytes(src, LineBreakMode::P), "abc<P>\r\n<P>\r\nd<e><P>\r\n");
    EXPECT_EQ(bodyBytes(src, LineBreakMode::PRE), "<PRE>\r\nabc\r\n\r\nd<e>\r\n</PRE>\r\n");
}

TEST(BodyText, ModeComesFromTheTwoAnswers) {
    EXPECT_EQ(lineBreakMode(u"True", u"True"), LineBreakMode::BR);
    EXPECT_EQ(lineBreakMode(u"False", u"True"), LineBreakMode::P);
    EXPECT_EQ(lineBreakMode(u"False", u"False"), LineBreakMode::PRE);
    EXPECT_EQ(lineBreakMode(u"", u""), LineBreakMode::PRE);
}

TEST(BodyText, AwkwardSourcesKeepEveryCharacter) {
    EXPECT_EQ(bodyBytes("", LineBreakMode::BR), "");
    EXPECT_EQ(bodyBytes("", LineBreakMode::PRE), "<PRE>\r\n</PRE>\r\n");
    EXPECT_EQ(bodyBytes("\r\n", LineBreakMode::BR), "<BR>\r\n");
    EXPECT_EQ(bodyBytes("a\rb\r", LineBreakMode::BR), "a<BR>\r\nb<BR>\r\n");
    EXPECT_EQ(bodyBytes("a\nb\n\r", LineBreakMode::BR), "a\nb\n<BR>\r\n");
    EXPECT_EQ(bodyBytes("last", LineBreakMode::P), "last<P>\r\n");
    EXPECT_EQ(bodyBytes(std::string("a\0b\r\n", 5), LineBreakMode::BR), std::string("a\0b<BR>\r\n", 9));
}

TEST(BodyText, InvalidCodePageBytesReachThePageUnchanged) {
    EXPECT_EQ(bodyBytes(std::string("ok\x80\xFF\x81\r\n", 7), LineBreakMode::BR, true), "ok\x80\xFF\x81<BR>\r\n");
}

TEST(BodyText, CharactersWithTwoCodesComeOutInTheCodeWindowsPrefers) {
    // NEC-selected IBM ⅰ (0xEEEF) and NEC ≒ (0x8790) are written as IBM 0xFA40
    // and JIS 0x81E0; the raw byte after them stays as it was.
    EXPECT_EQ(bodyBytes(std::string("\xEE\xEF\x87\x90\xFF", 5), LineBreakMode::PRE),
              "<PRE>\r\n\xFA\x40\x81\xE0\xFF\r\n</PRE>\r\n");
    // Found by fuzzing: a NUL and a lone LF inside such a line.
    EXPECT_EQ(bodyBytes(std::string("\xEE\x9E\0\0\x08\xEE\xFF\n\r", 9), LineBreakMode::BR).substr(2),
              std::string("\0\0\x08\xEE\xFF\n<BR>\r\n", 12));
}

TEST(BodyText, Utf8SourcesWithAndWithoutTheMark) {
    EXPECT_EQ(bodyBytes("\xEF\xBB\xBF"
                        "A\xC3\x97"
                        "B\r\n",
                        LineBreakMode::BR, true),
              "A&times;B<BR>\r\n");
    EXPECT_EQ(bodyBytes("\xE6\x97\xA5\r\n", LineBreakMode::BR), sjis("日<BR>\r\n"));
}

TEST(BodyText, OneStrayByteLeavesAUtf8SourceUtf8) {
    const std::string src = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xFF\xE3\x81\xA7\xE3\x81\x99\r\n";  // 日本語 FF です
    EXPECT_EQ(bodyBytes(src, LineBreakMode::BR), sjis("日本語") + "\xFF" + sjis("です<BR>\r\n"));
}

TEST(BodyText, CharacterOutsideTheCodePageIsAReferenceThatCountsAsItself) {
    const BodyBytes b = body("smile \xF0\x9F\x98\x80 & more\r\n", LineBreakMode::BR, true);
    EXPECT_EQ(b.bytes, "smile &#128512; &amp; more<BR>\r\n");
    // The report counts the character's two UTF-16 units, not its reference.
    EXPECT_EQ(b.units, 6 + 2 + 1 + 5 + 5 + 6u);
}

TEST(BodyText, OneVeryLongLine) {
    const std::string src(10 * 1024 * 1024, 'x');
    const BodyBytes b = body(src, LineBreakMode::BR, true);
    EXPECT_EQ(b.units, src.size() + 6);
    EXPECT_EQ(b.bytes.substr(b.bytes.size() - 6), "<BR>\r\n");
}

// Sources made of pieces that are hard on a byte pass: characters with two codes,
// the pass's symbols, invalid and cut-off bytes, every kind of line end; in code
// page 932 or in UTF-8 with a few stray bytes.
std::string awkwardSource(std::mt19937& rng) {
    // clang-format off
    static const std::vector<std::string> cp932 = {
        "a", "Z", "&", "<", " ", "\r", "\n", "\r\n", std::string(1, '\0'), "\x81\x7E", "\x81\x80", "\x81\x7D",
        "\x82\xA0", "\x93\xFA", "\x83\x5C", "\xEE\xEF", "\x87\x90", "\xED\x40", "\xB1", "\x80", "\xA0", "\xFD",
        "\xFF", "\x81", "\x81\r", "\x81\x20", "\xF0\x40", "\xFA\x40", "\x81\x81\x7E"};
    static const std::vector<std::string> utf8 = {
        "a", "&", " ", "\r", "\n", "\r\n", "\xE6\x97\xA5", "\xC3\x97", "\xC3\xB7", "\xC2\xB1", "\xF0\x9F\x98\x80",
        "\xED\x95\x9C", "\xE2\x85\xB0", "\xEF\xBD\xB1", "\xE3\x81\x82"};
    // clang-format on
    static const std::vector<std::string> strays = {"\xFF", "\xE6\x97", "\xC3", "\x80", "\xED\xA0\x80"};
    const unsigned kind = rng() % 4;
    std::string src = kind == 3 && rng() % 2 ? "\xEF\xBB\xBF" : "";
    const std::size_t pieces = rng() % 400;
    for (std::size_t i = 0; i < pieces; ++i) {
        if (kind == 0) src += static_cast<char>(rng());
        else if (kind == 1) src += cp932[rng() % cp932.size()];
        else src += rng() % 60 == 0 ? strays[rng() % strays.size()] : utf8[rng() % utf8.size()];
    }
    return src;
}

TEST(BodyText, StreamedBodyMatchesTheWholeDocumentConversion) {
    std::mt19937 rng(13);
    for (int n = 0; n < 300; ++n) {
        const std::string src = awkwardSource(rng);
        for (LineBreakMode mode : {LineBreakMode::BR, LineBreakMode::P, LineBreakMode::PRE}) {
            for (bool pass : {false, true}) {
                const BodyBytes expected = testing::referenceBody(src, mode, pass);
                for (std::size_t blockSize : {std::size_t{8}, std::size_t{9}, std::size_t{61}, kBlockSize}) {
                    ASSERT_EQ(body(src, mode, pass, blockSize), expected)
                        << "source " << n << ", mode " << static_cast<int>(mode) << ", pass " << pass << ", blocks of "
                        << blockSize;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pelin::engine
