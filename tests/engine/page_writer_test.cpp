#include <gtest/gtest.h>

#include "engine/conversion_run.h"
#include "support/engine_answers.h"

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

TEST(PageWriter, EmptyAnswersLeaveTheFixedTextAroundThem) {
    ConversionSettings s;
    s.FixedBg = 0;
    s.HoverOn = 1;
    std::string html = page(s, "");
    EXPECT_EQ(html.find("Description"), std::string::npos);
    EXPECT_NE(html.find("<META NAME=Keyword CONTENT=>\r\n"), std::string::npos);
    EXPECT_NE(html.find("color:#}\r\n"), std::string::npos);
    EXPECT_NE(html.find("<BODY TEXT=# LINK=# ALINK=# VLINK=# BGCOLOR=# BACKGROUND= TOPMARGIN=0 LEFTMARGIN=0>\r\n"),
              std::string::npos);
    EXPECT_NE(html.find("<BASEFONT SIZE=0>"), std::string::npos);
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
