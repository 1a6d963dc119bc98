#include "engine/conversion_run.h"
#include "engine/page_writer.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>

#include "support/engine_answers.h"
#include "support/temp_dir.h"
#include "text/numbers.h"
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
    const std::string document =
        "<HTML LANG=ja><HEAD>\r\n"
        "<TITLE>サンプル</TITLE>\r\n"
        "\r\n"
        "<META NAME=Keyword CONTENT=テスト>\r\n"
        "<META NAME=Content-Type Content=text/html; charset=Shift_JIS>\r\n"
        "<META NAME=GENERATOR CONTENT=ろぷら工房 >\r\n"
        "\r\n"
        "</HEAD>\r\n"
        "\r\n"
        "<BODY TEXT=#000000 LINK=#0000FF ALINK=#FF0000 VLINK=#800080 BGCOLOR=#FFFFFF "
        "TOPMARGIN=0 LEFTMARGIN=0>\r\n"
        "<BASEFONT SIZE=3>\r\n"
        "こんにちは<BR>\r\n"
        "A&amp;B &times;2<BR>\r\n"
        "\r\n"
        "</BODY></HTML>\r\n";
    EXPECT_EQ(TempDir::read(dir / "out.htm"), sjis(document) + "\r\n");
    // The figure counts two bytes for every character of the document, without the
    // file's last line end.
    EXPECT_EQ(result->htmSize, u"変換後:" + text::formatReal(text::fromUtf8(document).size() * 2 / 1000.0) + u"KB");
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
    // Labelled euc-jp, the page is EUC-JP: the maker's name, its only text beyond
    // ASCII, in its JIS X 0208 codes.
    EXPECT_EQ(TempDir::read(dir / "out.htm"),
              std::string("<HTML LANG=en-US><HEAD>\r\n"
                          "<TITLE>T</TITLE>\r\n"
                          "\r\n"
                          "<META NAME=Description CONTENT=D>\r\n"
                          "<META NAME=Keyword CONTENT=K>\r\n"
                          "<META NAME=Content-Type Content=text/html; charset=euc-jp>\r\n"
                          "<META NAME=GENERATOR CONTENT=\xA4\xED\xA4\xD7\xA4\xE9\xB9\xA9\xCB\xBC >\r\n"
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
    auto at32000 = makeReport(1234, 32000);
    EXPECT_EQ(at32000.txtSize, u"変換前:1.234KB");
    EXPECT_EQ(at32000.htmSize, u"変換後:64KB");
    EXPECT_FALSE(at32000.editEnabled);
    auto at31999 = makeReport(500, 31999);
    EXPECT_EQ(at31999.txtSize, u"変換前:0.5KB");
    EXPECT_EQ(at31999.htmSize, u"変換後:63.998KB");
    EXPECT_TRUE(at31999.editEnabled);
}

TEST(ConversionRun, UnreadableSourceWritesNothing) {
    TempDir dir;
    std::vector<const char*> names{"missing.txt"};
#ifndef _WIN32  // (pipes on Windows: tests/platform/files_win_test.cpp)
    // A pipe is refused at once rather than waited on.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    names.push_back("pipe");
#endif
    for (const char* name : names) {
        auto s = plainAnswers();
        s.HTMLCFile = text::fromPath(dir / name);
        s.HTMLFilePass = text::fromPath(dir / "out.htm");
        auto result = runConversion(s);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().path, dir / name);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.htm"));
    }
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

TEST(ConversionRun, APageThatIsTheSourceUnderAnotherNameIsRefused) {
    TempDir dir;
    auto s = plainAnswers();
    s.HTMLCFile = text::fromPath(dir.write("in.txt", "the only copy"));
    std::filesystem::create_hard_link(dir / "in.txt", dir / "page.htm");
    for (const auto& page : {dir / "page.htm", dir / "in.txt"}) {
        s.HTMLFilePass = text::fromPath(page);
        const platform::Result<ConversionReport> report = runConversion(s);
        ASSERT_FALSE(report.ok());
        EXPECT_EQ(report.error().kind, platform::FileErrorKind::IsTheSource);
        EXPECT_EQ(TempDir::read(dir / "in.txt"), "the only copy");
    }
}

// A source of a few blocks, and a page already at the destination.
struct LargeRun {
    TempDir dir;
    ConversionSettings s = plainAnswers();
    std::string source;

    LargeRun() {
        for (int i = 0; source.size() < 3 * kBlockSize; ++i) source += "line " + std::to_string(i) + " & more\r\n";
        s.HTMLCFile = text::fromPath(dir.write("in.txt", source));
        s.HTMLFilePass = text::fromPath(dir.write("out.htm", "old page"));
    }
    std::filesystem::path sourcePath() const { return text::toPath(s.HTMLCFile); }
    std::string pageNow() const { return TempDir::read(text::toPath(s.HTMLFilePass)); }
    int filesInFolder() const {
        int files = 0;
        for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
        return files;
    }
    // The page the untouched source makes.
    std::string expectedPage() {
        std::string page;
        testing::MemorySource memory(source);
        EXPECT_TRUE(writePage(s, memory, [&](std::string_view chunk) { page.append(chunk); }).ok());
        return page;
    }
};

TEST(ConversionRun, ProgressRunsOverTheSourceUpToItsLength) {
    LargeRun run;
    std::vector<std::uint64_t> done;
    auto result = runConversion(run.s, [&](std::uint64_t bytes, std::uint64_t total) {
        EXPECT_EQ(total, run.source.size());
        done.push_back(bytes);
        return true;
    });
    ASSERT_TRUE(result.ok());
    ASSERT_TRUE(result->has_value());
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
    EXPECT_GE(done.size(), 3u);
    EXPECT_EQ(done.back(), run.source.size());
}

TEST(ConversionRun, StoppedRunKeepsTheOldPageAndLeavesNoTemporaryFile) {
    LargeRun run;
    auto result = runConversion(run.s, [](std::uint64_t done, std::uint64_t) { return done < kBlockSize; });
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result->has_value());
    EXPECT_EQ(run.pageNow(), "old page");
    EXPECT_EQ(run.filesInFolder(), 2);

    // Stopped at the very end, after the last block: still no page.
    std::filesystem::remove(run.sourcePath().parent_path() / "out.htm");
    result = runConversion(run.s, [&](std::uint64_t done, std::uint64_t total) { return done < total; });
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result->has_value());
    EXPECT_EQ(run.filesInFolder(), 1);
}

TEST(ConversionRun, SourceGrowingWhileReadGivesWhatWasThereAtTheStart) {
    LargeRun run;
    const std::string expected = run.expectedPage();
    auto result = runConversion(run.s, [&](std::uint64_t, std::uint64_t) {
        std::ofstream(run.sourcePath(), std::ios::app | std::ios::binary) << std::string(kBlockSize, 'x');
        return true;
    });
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(run.pageNow(), expected);
}

TEST(ConversionRun, SourceShrinkingWhileReadFailsAndKeepsTheOldPage) {
    LargeRun run;
    auto result = runConversion(run.s, [&](std::uint64_t done, std::uint64_t) {
        if (done > 0) std::filesystem::resize_file(run.sourcePath(), kBlockSize);
        return true;
    });
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().path, run.sourcePath());
    EXPECT_FALSE(result.error().reason.empty());
    EXPECT_EQ(run.pageNow(), "old page");
    EXPECT_EQ(run.filesInFolder(), 2);
}

}  // namespace
}  // namespace pelin::engine
