#include "engine/body_text.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace pelin::engine {
namespace {

std::string body(std::string_view bytes, LineBreakMode mode, bool pass = false) {
    Text out;
    appendBodyText(bytes, mode, pass, out);
    return text::toUtf8(out);
}

TEST(BodyText, EachModeTagsEveryLine) {
    const std::string src = "abc\r\n\r\nd<e>\r\n";
    EXPECT_EQ(body(src, LineBreakMode::BR), "abc<BR>\r\n<BR>\r\nd<e><BR>\r\n");
    EXPECT_EQ(body(src, LineBreakMode::P), "abc<P>\r\n<P>\r\nd<e><P>\r\n");
    EXPECT_EQ(body(src, LineBreakMode::PRE), "<PRE>\r\nabc\r\n\r\nd<e>\r\n</PRE>\r\n");
}

TEST(BodyText, ModeComesFromTheTwoAnswers) {
    EXPECT_EQ(lineBreakMode(u"True", u"True"), LineBreakMode::BR);
    EXPECT_EQ(lineBreakMode(u"False", u"True"), LineBreakMode::P);
    EXPECT_EQ(lineBreakMode(u"False", u"False"), LineBreakMode::PRE);
    EXPECT_EQ(lineBreakMode(u"", u""), LineBreakMode::PRE);
}

TEST(BodyText, AwkwardSourcesKeepEveryCharacter) {
    EXPECT_EQ(body("", LineBreakMode::BR), "");
    EXPECT_EQ(body("", LineBreakMode::PRE), "<PRE>\r\n</PRE>\r\n");
    EXPECT_EQ(body("\r\n", LineBreakMode::BR), "<BR>\r\n");
    EXPECT_EQ(body("a\rb\r", LineBreakMode::BR), "a<BR>\r\nb<BR>\r\n");
    EXPECT_EQ(body("a\nb\n", LineBreakMode::BR), "a\nb\n<BR>\r\n");
    EXPECT_EQ(body("last", LineBreakMode::P), "last<P>\r\n");
    EXPECT_EQ(body(std::string("a\0b\r\n", 5), LineBreakMode::BR), std::string("a\0b<BR>\r\n", 9));
}

TEST(BodyText, InvalidCodePageBytesReachThePageUnchanged) {
    const std::string src("ok\x80\xFF\x81\r\n", 7);
    Text out;
    appendBodyText(src, LineBreakMode::BR, true, out);
    EXPECT_EQ(text::toCp932(out), "ok\x80\xFF\x81<BR>\r\n");
}

TEST(BodyText, CharactersWithTwoCodesComeOutInTheCodeWindowsPrefers) {
    // NEC-selected IBM ⅰ (0xEEEF) and NEC ≒ (0x8790) are written as IBM 0xFA40
    // and JIS 0x81E0; the raw byte after them stays as it was.
    Text out;
    appendBodyText(std::string("\xEE\xEF\x87\x90\xFF", 5), LineBreakMode::PRE, false, out);
    EXPECT_EQ(text::toCp932(out), "<PRE>\r\n\xFA\x40\x81\xE0\xFF\r\n</PRE>\r\n");
    // Found by fuzzing: a NUL and a lone LF inside such a line.
    out.clear();
    appendBodyText(std::string("\xEE\x9E\0\0\x08\xEE\xFF\n", 8), LineBreakMode::BR, false, out);
    EXPECT_EQ(text::toCp932(out).substr(2), std::string("\0\0\x08\xEE\xFF\n<BR>\r\n", 12));
}

TEST(BodyText, Utf8SourcesWithAndWithoutTheMark) {
    EXPECT_EQ(body("\xEF\xBB\xBF" "A\xC3\x97" "B\r\n", LineBreakMode::BR, true), "A&times;B<BR>\r\n");
    EXPECT_EQ(body("\xE6\x97\xA5\r\n", LineBreakMode::BR), "日<BR>\r\n");
}

TEST(BodyText, CharacterOutsideTheCodePageIsAReferenceThatThePassLeavesAlone) {
    Text out;
    appendBodyText("smile \xF0\x9F\x98\x80 & more\r\n", LineBreakMode::BR, true, out);
    EXPECT_EQ(text::toCp932(out), "smile &#128512; &amp; more<BR>\r\n");
}

TEST(BodyText, OneVeryLongLine) {
    std::string src(10 * 1024 * 1024, 'x');
    Text out;
    appendBodyText(src, LineBreakMode::BR, true, out);
    EXPECT_EQ(out.size(), src.size() + 6);
    EXPECT_EQ(out.substr(out.size() - 6), u"<BR>\r\n");
}

}  // namespace
}  // namespace pelin::engine
