#include <gtest/gtest.h>

#include "engine/conversion_run.h"
#include "engine_test_support.h"

namespace pelin::engine {
namespace {

using testing::plainAnswers;
using testing::sjis;

// The page, read back as UTF-8 for the comparisons.
std::string page(ConversionSettings s, std::string_view sourceBytes) {
    std::string bytes;
    testing::MemorySource source(sourceBytes);
    EXPECT_TRUE(writePage(s, source, [&](std::string_view chunk) { bytes.append(chunk); }).ok());
    return text::toUtf8(text::fromCp932(bytes));
}

TEST(PageWriter, HeadStartTagFollowsTheLanguage) {
    auto s = plainAnswers();
    for (auto [lang, tag] : {std::pair{0, "<HTML><HEAD>"},
                             {9, "<HTML><HEAD>"},
                             {-1, "<HTML><HEAD>"},
                             {5, "<HTML LANG=ko><HEAD>"},
                             {8, "<HTML LANG=fr><HEAD>"}}) {
        s.Lang = static_cast<std::int16_t>(lang);
        EXPECT_EQ(page(s, "").rfind(std::string(tag) + "\r\n<TITLE>", 0), 0u) << lang;
    }
}

TEST(PageWriter, EmptyColoursAndPictureAreLeftOutForTheBrowsersOwn) {
    // The answers of a first start, with the hover effect on.
    ConversionSettings s;
    s.Charset = u"Shift_JIS";
    s.BASEFont = 3;
    s.BR = u"True";
    s.P = u"False";
    s.HoverOn = 1;
    EXPECT_EQ(page(s, "a\r\n"),
              "<HTML><HEAD>\r\n"
              "<TITLE></TITLE>\r\n"
              "\r\n"
              "<META NAME=Keyword CONTENT=>\r\n"
              "<META NAME=Content-Type Content=text/html; charset=Shift_JIS>\r\n"
              "<META NAME=GENERATOR CONTENT=ろぷら工房 >\r\n"
              "\r\n"
              "<STYLE type=text/css><!--\r\n"
              "A:hover { text-decoration:underline; font-weight:bold}\r\n"
              "--></STYLE>\r\n"
              "</HEAD>\r\n"
              "\r\n"
              "<BODY TOPMARGIN=0 LEFTMARGIN=0>\r\n"
              "<BASEFONT SIZE=3>\r\n"
              "a<BR>\r\n"
              "\r\n"
              "</BODY></HTML>\r\n"
              "\r\n");
    // Any colour given is written, the others still left out.
    s.BgColor = u"FFFFCC";
    s.Bodyground = u"bg.gif";
    EXPECT_NE(page(s, "").find("<BODY BGCOLOR=#FFFFCC BACKGROUND=bg.gif TOPMARGIN=0 LEFTMARGIN=0>\r\n"),
              std::string::npos);
}

TEST(PageWriter, TypedValuesThatABrowserWouldSplitAreQuoted) {
    auto s = plainAnswers();
    s.WebMidashi = u"旅の \"記録\"";
    s.HTMLKeyword01 = u"日記 旅行";
    s.CSSLink = u"my style.css";
    s.Bodyfont = u"FF 00";
    s.Bodyground = u"a=b.gif";
    const std::string html = page(s, "");
    EXPECT_NE(html.find("<META NAME=Description CONTENT=\"旅の &quot;記録&quot;\">\r\n"
                        "<META NAME=Keyword CONTENT=\"日記 旅行\">\r\n"
                        "<META NAME=Content-Type Content=text/html; charset=Shift_JIS>\r\n"),
              std::string::npos);
    EXPECT_NE(html.find("<LINK REL=stylesheet HREF=\"my style.css\">\r\n"), std::string::npos);
    EXPECT_NE(html.find("<BODY TEXT=\"#FF 00\" LINK=#0000FF ALINK=#FF0000 VLINK=#800080 BGCOLOR=#FFFFFF "
                        "BACKGROUND=\"a=b.gif\" TOPMARGIN=0 LEFTMARGIN=0>"),
              std::string::npos);
}

TEST(PageWriter, GreyedFixedBackgroundWritesNoBodyTag) {
    auto s = plainAnswers();
    s.FixedBg = 2;
    std::string html = page(s, "");
    EXPECT_EQ(html.find("<BODY"), std::string::npos);
    EXPECT_NE(html.find("</HEAD>\r\n\r\n<BASEFONT SIZE=3>\r\n"), std::string::npos);
}

TEST(PageWriter, PassCoversHeadAndBodyButNotTheAfterword) {
    auto s = plainAnswers();
    s.WebTitle = u"A&B";
    s.CSSLink = u"a&b.css";
    s.CommentOn = 1;
    s.Comment = u"x&y ×";
    std::string html = page(s, sjis("&times; 1±2×3÷4 & 5\r\n"));
    EXPECT_NE(html.find("<TITLE>A&amp;B</TITLE>"), std::string::npos);
    EXPECT_NE(html.find("HREF=a&amp;b.css>"), std::string::npos);
    EXPECT_NE(html.find("&amp;times; 1&plusmn;2&times;3&divide;4 &amp; 5<BR>"), std::string::npos);
    EXPECT_NE(html.find("<!--\r\nx&y ×\r\n-->\r\n\r\n</BODY></HTML>\r\n"), std::string::npos);
}

TEST(PageWriter, PassOffKeepsTheSymbols) {
    auto s = plainAnswers();
    s.SpecialFont = 0;
    std::string html = page(s, sjis("1±2×3÷4 & 5 ≠〒"));
    EXPECT_NE(html.find("1±2×3÷4 & 5 ≠〒<BR>"), std::string::npos);
}

TEST(PageWriter, NegativeMarginsAndTransitionZero) {
    auto s = plainAnswers();
    s.TOPMpix = -5;
    s.PageEfOn = 1;
    std::string html = page(s, "");
    EXPECT_NE(html.find("TOPMARGIN=-5 "), std::string::npos);
    EXPECT_NE(html.find("Transition=0)>\r\n<META http-equiv=Page-Exit"), std::string::npos);
}

}  // namespace
}  // namespace pelin::engine
