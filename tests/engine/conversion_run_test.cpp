#include "engine/conversion_run.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "support/temp_dir.h"
#include "text/textfile.h"

namespace pelin::engine {
namespace {

using pelin::testing::TempDir;
using testing::plainAnswers;
using testing::sjis;

TEST(ConversionRun, FirstWorkedExampleByteForByte) {
    TempDir dir;
    auto s = plainAnswers();
    s.HTMLCFile = text::fromPath(dir.write("in.txt", sjis("こんにちは\r\nA&B ×2\r\n")));
    s.HTMLFilePass = text::fromPath(dir / "out.htm");
    auto result = runConversion(s);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(TempDir::read(dir / "out.htm"),
              sjis("<HTML LANG=ja><HEAD>\r\n"
                   "<TITLE>サンプル</TITLE>\r\n"
                   "\r\n"
                   "<META NAME=Keyword CONTENT=テスト>\r\n"
                   "<META NAME=Content-Type Content=text/html; charset=Shift_JIS>\r\n"
                   "<META NAME=GENERATOR CONTENT=ろぷら工房 >\r\n"
                   "\r\n"
                   "</HEAD>\r\n"
                   "\r\n"
                   "<BODY TEXT=#000000 LINK=#0000FF ALINK=#FF0000 VLINK=#800080 BGCOLOR=#FFFFFF BACKGROUND= "
                   "TOPMARGIN=0 LEFTMARGIN=0>\r\n"
                   "<BASEFONT SIZE=3>\r\n"
                   "こんにちは<BR>\r\n"
                   "A&amp;B &times;2<BR>\r\n"
                   "\r\n"
                   "</BODY></HTML>\r\n"
                   "\r\n"));
}

TEST(ConversionRun, SecondWorkedExampleWithEveryBlock) {
    TempDir dir;
    auto s = plainAnswers();
    s.Lang = 2;
    s.WebTitle = u"T";
    s.WebMidashi = u"D";
    s.HTMLKeyword01 = u"K";
    s.Charset = u"euc-jp";
    s.NoRobot = 1;
    s.CSSLink = u"s.css";
    s.HoverOn = 1;
    s.DLColor = u"FF0000";
    s.PageEfOn = 1;
    s.OpenPageEf = 1;
    s.ClosePageEf = 22;
    s.FixedBg = 1;
    s.Bodyground = u"bg.gif";
    s.TOPMpix = 10;
    s.LEFTMpix = 20;
    s.BASEFont = 4;
    s.BQuote = 1;
    s.BR = u"False";
    s.P = u"True";
    s.SpecialFont = 0;
    s.CommentOn = 1;
    s.Comment = u"memo";
    s.HTMLCFile = text::fromPath(dir.write("in.txt", "line1\r\nline2"));
    s.HTMLFilePass = text::fromPath(dir / "out.htm");
    ASSERT_TRUE(runConversion(s).ok());
    EXPECT_EQ(TempDir::read(dir / "out.htm"),
              sjis("<HTML LANG=en-US><HEAD>\r\n"
                   "<TITLE>T</TITLE>\r\n"
                   "\r\n"
                   "<META NAME=Description CONTENT=D>\r\n"
                   "<META NAME=Keyword CONTENT=K>\r\n"
                   "<META NAME=Content-Type Content=text/html; charset=euc-jp>\r\n"
                   "<META NAME=GENERATOR CONTENT=ろぷら工房 >\r\n"
                   "\r\n"
                   "<META NAME=robots CONTENT=noindex,nofollow>\r\n"
                   "\r\n"
                   "<LINK REL=stylesheet HREF=s.css>\r\n"
                   "\r\n"
                   "<STYLE type=text/css><!--\r\n"
                   "A:hover { text-decoration:underline; font-weight:bold; color:#FF0000}\r\n"
                   "--></STYLE>\r\n"
                   "<META http-equiv=Page-Enter content=revealTrans(Duration=1.0,Transition=1)>\r\n"
                   "<META http-equiv=Page-Exit content=revealTrans(Duration=1.0,Transition=22)>\r\n"
                   "</HEAD>\r\n"
                   "\r\n"
                   "<BODY TEXT=#000000 LINK=#0000FF ALINK=#FF0000 VLINK=#800080 BGCOLOR=#FFFFFF "
                   "BACKGROUND=bg.gif TOPMARGIN=10 LEFTMARGIN=20 BGPROPERTIES=FIXED>\r\n"
                   "<BASEFONT SIZE=4>\r\n"
                   "<BLOCKQUOTE>\r\n"
                   "\r\n"
                   "line1<P>\r\n"
                   "line2<P>\r\n"
                   "\r\n"
                   "</BLOCKQUOTE>\r\n"
                   "\r\n"
                   "<!--\r\n"
                   "memo\r\n"
                   "-->\r\n"
                   "\r\n"
                   "</BODY></HTML>\r\n"
                   "\r\n"));
}

TEST(ConversionRun, ReportCountsTwoBytesPerCharacter) {
    auto at32000 = makeReport(1234, Text(32000, u'x'));
    EXPECT_EQ(at32000.txtSize, u"変換前:1.234KB");
    EXPECT_EQ(at32000.htmSize, u"変換後:64KB");
    EXPECT_FALSE(at32000.editEnabled);
    auto at31999 = makeReport(500, Text(31999, u'日'));
    EXPECT_EQ(at31999.txtSize, u"変換前:0.5KB");
    EXPECT_EQ(at31999.htmSize, u"変換後:63.998KB");
    EXPECT_TRUE(at31999.editEnabled);
}

TEST(ConversionRun, OutputOverTheSourceReplacesIt) {
    TempDir dir;
    auto s = plainAnswers();
    s.HTMLCFile = text::fromPath(dir.write("same.txt", "hello\r\n"));
    s.HTMLFilePass = s.HTMLCFile;
    ASSERT_TRUE(runConversion(s).ok());
    EXPECT_NE(TempDir::read(dir / "same.txt").find("hello<BR>\r\n"), std::string::npos);
}

TEST(ConversionRun, UnreadableSourceWritesNothing) {
    TempDir dir;
    auto s = plainAnswers();
    s.HTMLCFile = text::fromPath(dir / "missing.txt");
    s.HTMLFilePass = text::fromPath(dir / "out.htm");
    auto result = runConversion(s);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().path, dir / "missing.txt");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.htm"));
}

TEST(ConversionRun, UnwritableDestinationKeepsTheOldPage) {
    TempDir dir;
    auto s = plainAnswers();
    s.HTMLCFile = text::fromPath(dir.write("in.txt", "x"));
    // A destination inside a missing folder, and one that is a folder.
    s.HTMLFilePass = text::fromPath(dir / "no-such-folder" / "out.htm");
    auto result = runConversion(s);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().path, dir / "no-such-folder" / "out.htm");
    std::filesystem::create_directory(dir / "folder.htm");
    s.HTMLFilePass = text::fromPath(dir / "folder.htm");
    EXPECT_FALSE(runConversion(s).ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.htm"));
}

TEST(ConversionRun, SecondRunStartsTheDocumentAfresh) {
    TempDir dir;
    auto s = plainAnswers();
    s.HTMLCFile = text::fromPath(dir.write("in.txt", "x"));
    s.HTMLFilePass = text::fromPath(dir / "out.htm");
    ASSERT_TRUE(runConversion(s).ok());
    const std::string first = TempDir::read(dir / "out.htm");
    ASSERT_TRUE(runConversion(s).ok());
    EXPECT_EQ(TempDir::read(dir / "out.htm"), first);
}

}  // namespace
}  // namespace pelin::engine
