#include "shell/file_facts.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "text/textfile.h"

namespace pelin::shell {
namespace {

Text factOf(const FileFacts& facts, TextView label) {
    for (const FileFact& f : facts.facts)
        if (f.label == label) return f.value;
    return u"(none)";
}

TEST(FileFacts, NameFolderSizeTimeAndReadOnly) {
    testing::TempDir dir;
    const auto file = dir.write("ぺりん.txt", std::string(12345, 'x'));
    FileFacts facts = gatherFileFacts(text::fromPath(file));
    EXPECT_TRUE(facts.problem.empty());
    EXPECT_EQ(facts.title, u"ぺりん.txtのプロパティ");
    EXPECT_EQ(factOf(facts, u"名前"), u"ぺりん.txt");
    EXPECT_EQ(factOf(facts, u"場所"), text::fromPath(dir.path()));
    EXPECT_EQ(factOf(facts, u"サイズ"), u"12,345 バイト");
    EXPECT_EQ(factOf(facts, u"属性"), u"読み取り専用ではありません");
    EXPECT_EQ(factOf(facts, u"更新日時").size(), 19u);

    testing::makeReadOnly(file);
    EXPECT_EQ(factOf(gatherFileFacts(text::fromPath(file)), u"属性"), u"読み取り専用");

    facts = gatherFileFacts(text::fromPath(dir.path()));
    EXPECT_EQ(factOf(facts, u"種類"), u"フォルダー");
    EXPECT_EQ(factOf(facts, u"サイズ"), u"(none)");
}

TEST(FileFacts, NoFileSaysSo) {
    testing::TempDir dir;
    const Text missing = text::fromPath(dir / "missing.txt");
    FileFacts facts = gatherFileFacts(missing);
    EXPECT_EQ(facts.title, u"missing.txtのプロパティ");
    EXPECT_EQ(facts.problem, u"ファイルが見つかりません。\n" + missing);
    EXPECT_TRUE(facts.facts.empty());
    EXPECT_EQ(gatherFileFacts(u"").problem, u"ファイルが指定されていません。");
}

TEST(FileFacts, Formats) {
    EXPECT_EQ(formatByteCount(0), u"0 バイト");
    EXPECT_EQ(formatByteCount(999), u"999 バイト");
    EXPECT_EQ(formatByteCount(1000), u"1,000 バイト");
    EXPECT_EQ(formatByteCount(1234567890), u"1,234,567,890 バイト");
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 4;
    t.tm_mday = 1;
    t.tm_hour = 9;
    t.tm_min = 3;
    t.tm_sec = 7;
    t.tm_isdst = -1;
    EXPECT_EQ(formatLocalTime(std::mktime(&t)), u"2024/05/01 09:03:07");
}

}  // namespace
}  // namespace pelin::shell
