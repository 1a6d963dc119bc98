#include <gtest/gtest.h>

#include "engine/conversion_run.h"
#include "engine/page_writer.h"
#include "support/engine_answers.h"
#include "text/page_charset.h"

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

// The body of a page in code page 932, whole: from the BASEFONT line to the end.
std::string bodyOf(const std::string& html) {
    const std::size_t start = html.find("<BASEFONT SIZE=3>\r\n");
    return start == std::string::npos ? html : html.substr(start + 19);
}

TEST(PageWriter, SourceWithoutAnyCrEndsItsLinesAtLf) {
    auto s = plainAnswers();
    const std::string utf8 =
        "\xEF\xBB\xBF"
        "日本\n\n語\n";
    for (const std::string& source : {sjis("日本\n\n語\n"), utf8}) {
        EXPECT_EQ(bodyOf(page(s, source)), "日本<BR>\r\n<BR>\r\n語<BR>\r\n\r\n</BODY></HTML>\r\n\r\n");
    }
    // One CR anywhere, even past the first block, and a lone LF stays in its line.
    std::string mixed = "a\nb\nc\nd\ne\nf\ng\r\n";
    std::string bytes;
    testing::MemorySource source(mixed);
    ASSERT_TRUE(writePage(
                    s, source, [&](std::string_view chunk) { bytes.append(chunk); }, {}, 8)
                    .ok());
    EXPECT_EQ(bodyOf(bytes), "a\nb\nc\nd\ne\nf\ng<BR>\r\n\r\n</BODY></HTML>\r\n\r\n");
}

TEST(PageWriter, AngleBracketsOfTheBodyShowAsCharactersWhenAsked) {
    auto s = plainAnswers();  // with the special-character pass
    s.WebTitle = u"<i>T</i>";
    s.AngleBrackets = 1;
    s.URLLink = 1;
    s.MailLink = 1;
    const std::string line = "#include <errno.h> & <http://a.jp/> <foo@example.jp>";
    const std::string shown =
        "#include &lt;errno.h&gt; &amp; &lt;<A HREF=\"http://a.jp/\">http://a.jp/</A>&gt; "
        "&lt;<A HREF=\"mailto:foo@example.jp\">foo@example.jp</A>&gt;";
    const std::string utf8 = "\xEF\xBB\xBF" + line + "\r\n";
    for (const std::string& source : {line + "\r\n", utf8}) {
        const std::string html = page(s, source);
        EXPECT_NE(html.find("<TITLE><i>T</i></TITLE>"), std::string::npos);  // the head is not the body
        EXPECT_EQ(bodyOf(html), shown + "<BR>\r\n\r\n</BODY></HTML>\r\n\r\n");
    }
    s.SpecialFont = 0;
    s.BR = u"False";
    EXPECT_EQ(bodyOf(page(s, "<b>\r\n")), "<PRE>\r\n&lt;b&gt;\r\n</PRE>\r\n\r\n</BODY></HTML>\r\n\r\n");
    s.P = u"True";
    s.CommentOn = 1;
    s.Comment = u"<b>";
    EXPECT_EQ(bodyOf(page(s, "<b>\r\n")), "&lt;b&gt;<P>\r\n\r\n<!--\r\n<b>\r\n-->\r\n\r\n</BODY></HTML>\r\n\r\n");
}

// Where each line of an ISO-2022-JP page ends, and where it ends: in ASCII.
bool everyLineEndsInAscii(std::string_view bytes) {
    for (std::size_t end = 0; (end = bytes.find_first_of("\r\n", end)) != std::string_view::npos; ++end) {
        const std::size_t jis = bytes.rfind("\x1B$B", end);
        if (jis != std::string_view::npos && bytes.rfind("\x1B(B", end) < jis + 1) return false;
    }
    return bytes.rfind("\x1B$B") == std::string_view::npos || bytes.rfind("\x1B$B") < bytes.rfind("\x1B(B");
}

TEST(PageWriter, PageIsWrittenInTheSetItsLabelNames) {
    // NEC's and IBM's characters, half-width katakana, and one that no Japanese
    // set but UTF-8 holds, from either kind of source.
    const std::string line = "日記①㈱№髙﨑ⅰｱ";
    const std::string utf8Source = "\xEF\xBB\xBF" + line + "😀\r\n";
    for (auto [label, charset] : {std::pair{u"euc-jp", text::PageCharset::EucJp},
                                  {u"ISO-2022-JP", text::PageCharset::Iso2022Jp},
                                  {u"UTF-8", text::PageCharset::Utf8}}) {
        auto s = plainAnswers();
        s.Charset = label;
        s.WebTitle = u"旅";
        for (const std::string& source : {sjis(line + "\r\n"), utf8Source}) {
            std::string bytes;
            testing::MemorySource memory(source);
            ASSERT_TRUE(writePage(s, memory, [&](std::string_view chunk) { bytes.append(chunk); }).ok());
            // What the set cannot carry is a reference, which shows the character.
            const bool emoji = source == utf8Source;
            std::string body = line + (emoji ? "😀" : "") + "<BR>\r\n";
            if (charset != text::PageCharset::Utf8 && emoji) body.replace(body.find("😀"), 4, "&#128512;");
            if (charset == text::PageCharset::Iso2022Jp) body.replace(body.find("ｱ"), 3, "&#65393;");
            const std::string head = "<HTML LANG=ja><HEAD>\r\n<TITLE>旅</TITLE>\r\n";
            EXPECT_EQ(text::toUtf8(text::decodeFrom(charset, bytes)).substr(0, head.size()), head);
            EXPECT_EQ(bodyOf(text::toUtf8(text::decodeFrom(charset, bytes))), body + "\r\n</BODY></HTML>\r\n\r\n");
            EXPECT_NE(bytes.find("charset=" + text::toUtf8(label) + ">"), std::string::npos);
            if (charset == text::PageCharset::Iso2022Jp) {
                EXPECT_TRUE(everyLineEndsInAscii(bytes));
            }
            if (charset == text::PageCharset::Utf8) {
                EXPECT_EQ(bytes.rfind("<HTML", 0), 0u);  // no byte-order mark
            }
        }
    }
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
