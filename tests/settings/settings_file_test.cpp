#include "settings/settings_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <vector>

#include "settings/answer_keys.h"
#include "settings_test_folder.h"
#include "text/utf16.h"

namespace pelin::settings {
namespace {

using FileTest = SettingsFolderTest;

TEST_F(FileTest, FirstStartReadsEmptyAndCreatesNothingUntilTheFirstWrite) {
    SettingsFile settings(folder_);
    for (TextView key : {kKeySaveMode, kKeySourceFolder, TextView(u"LangS"), TextView(u"CommentS")})
        EXPECT_EQ(settings.ReadSetting(kSectionSetei, key), u"");
    EXPECT_EQ(settings.ReadSetting(kSectionData, kKeyCharacter), u"");
    EXPECT_FALSE(std::filesystem::exists(settings.filePath()));

    EXPECT_TRUE(settings.WriteSetting(kSectionSetei, kKeySaveMode, u"Auto"));
    EXPECT_EQ(fileBytes(), "[Setei]\r\nSetei=Auto\r\n");
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"LangS", u"1"));
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"CharsetS", u"-1"));
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"CSS", u""));
    EXPECT_TRUE(settings.WriteSetting(u"Data", u"Char", u"/pelin/ぺりん.pcf"));
    EXPECT_EQ(fileBytes(),
              "[Setei]\r\nSetei=Auto\r\nLangS=1\r\nCharsetS=-1\r\nCSS=\r\n[Data]\r\nChar=/pelin/"
              "\x82\xD8\x82\xE8\x82\xF1.pcf\r\n");
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"CharsetS"), u"-1");
    EXPECT_EQ(settings.ReadSetting(u"setei", u"alinks"), u"");
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"AlinkS", u"16711680"));
    EXPECT_EQ(settings.ReadSetting(u"setei", u"alinks"), u"16711680");
    EXPECT_EQ(settings.ReadSetting(u"Data", u"Char"), u"/pelin/ぺりん.pcf");
}

TEST_F(FileTest, ReadsAreCutAt254BytesOnWholeCharacters) {
    SettingsFile settings(folder_);
    const Text japanese(130, u'あ');  // 260 bytes
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"WebMidashiS", japanese));
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"WebMidashiS"), Text(127, u'あ'));
    // An odd start: byte 254 would be the first half of a character.
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"WebMidashiS", u"a" + japanese));
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"WebMidashiS"), u"a" + Text(126, u'あ'));
    // The whole value stays in the file.
    EXPECT_EQ(fileBytes().size(), std::string("[Setei]\r\nWebMidashiS=a\r\n").size() + 260);
}

TEST_F(FileTest, CommentOfSeveralLinesComesBackWholeAndAddsNoLines) {
    SettingsFile settings(folder_);
    const Text comment = u"あとがき\r\n[Data]\r\nSetei=Mnyu\r\nC:\\temp\\n は\\そのまま\n";
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"Setei", u"Auto"));
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"CommentS", comment));
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"CommentS"), comment);
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"Setei"), u"Auto");
    EXPECT_EQ(settings.ReadSetting(u"Data", u"Setei"), u"");
    const std::string bytes = fileBytes();
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 3);

    // Texts that look like the stored form, or hold a lone NUL, round-trip too;
    // a one-line text with backslashes is stored as typed.
    const Text rawLeadByte{static_cast<char16_t>(text::kRawByteBase + 0x83), u'\\', u'\n'};
    for (TextView text : {TextView(u"@Lines:a\\nb"), TextView(u"@Lines:"), TextView(u"a\0b", 3), TextView(rawLeadByte),
                          TextView(u"\\"), TextView(u"C:\\Pelin\\")}) {
        EXPECT_TRUE(settings.WriteSetting(u"Setei", u"CommentS", text));
        EXPECT_EQ(settings.ReadSetting(u"Setei", u"CommentS"), text);
    }
    EXPECT_NE(fileBytes().find("CommentS=C:\\Pelin\\\r\n"), std::string::npos);
}

TEST_F(FileTest, TitlesInQuotesOrWithBlanksReadBackAsTyped) {
    SettingsFile settings(folder_);
    for (TextView title : {u"\"ようこそ\"", u" 先頭に空白", u"末尾に空白 ", u"'引用'", u"\"片側だけ"}) {
        EXPECT_TRUE(settings.WriteSetting(u"Setei", u"WebTitleS", title));
        EXPECT_EQ(settings.ReadSetting(u"Setei", u"WebTitleS"), title);
    }
    // What Windows itself would have stored reads as Windows read it.
    putFile("[Setei]\r\nWebTitleS=\"\x82\xE6\x82\xA4\x82\xB1\x82\xBB\"\r\n");
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"WebTitleS"), u"ようこそ");
}

TEST_F(FileTest, HandEditedFilesAreReadAndKeptAsTheyAre) {
    SettingsFile settings(folder_);
    putFile("\xEF\xBB\xBF; edited by hand\n[Setei]\nWebTitleS = \xE3\x81\xBA\xE3\x82\x8A\xE3\x82\x93\n");
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"WebTitleS"), u"ぺりん");
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"WebMidashiS", u"見出し"));
    EXPECT_EQ(fileBytes(),
              "\xEF\xBB\xBF; edited by hand\n[Setei]\nWebTitleS = \xE3\x81\xBA\xE3\x82\x8A\xE3\x82\x93\n"
              "WebMidashiS=\xE8\xA6\x8B\xE5\x87\xBA\xE3\x81\x97\r\n");

    putFile("[Setei]\r\nBad=\xFF\x81\r\n");  // invalid bytes survive a read and a rewrite
    const Text bad = settings.ReadSetting(u"Setei", u"Bad");
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"Bad2", bad));
    EXPECT_EQ(fileBytes(), "[Setei]\r\nBad=\xFF\x81\r\nBad2=\xFF\x81\r\n");
}

TEST_F(FileTest, ValuesOutsideTheCodePageComeBackExactly) {
    SettingsFile settings(folder_);
    const Text folder = u"/home/josé/テキスト/";
    const Text character = u"/opt/pelin/😀.pcf";
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"Pash", folder));
    EXPECT_TRUE(settings.WriteSetting(u"Data", u"Char", character));
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"Pash"), folder);
    EXPECT_EQ(settings.ReadSetting(u"Data", u"Char"), character);
    EXPECT_EQ(fileBytes(),
              "[Setei]\r\nPash=@Lines:/home/jos\\u{E9}/\x83\x65\x83\x4C\x83\x58\x83\x67/\r\n"
              "[Data]\r\nChar=@Lines:/opt/pelin/\\u{1F600}.pcf\r\n");
    // Characters the code page writes as others ("¥" as "\") come back as typed.
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"WebTitleS", u"¥1,000−"));
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"WebTitleS"), u"¥1,000−");
}

TEST_F(FileTest, Utf16FilesAreReadAndWrittenBackInUtf16) {
    using text::ByteOrder;
    for (const ByteOrder order : {ByteOrder::LittleEndian, ByteOrder::BigEndian}) {
        const std::string bom(order == ByteOrder::LittleEndian ? text::kUtf16LeBom : text::kUtf16BeBom);
        const auto utf16 = [&](TextView content) { return bom + text::toUtf16(content, order); };
        SettingsFile settings(folder_);
        putFile(utf16(u"; Unicode\r\n[Setei]\r\nWebTitleS=ぺりん\r\n"));
        EXPECT_EQ(settings.ReadSetting(u"Setei", u"WebTitleS"), u"ぺりん");
        EXPECT_TRUE(settings.WriteSetting(u"Setei", u"Pash", u"/home/josé/"));
        EXPECT_TRUE(settings.WriteSetting(u"Setei", u"WebTitleS", u"한국"));
        EXPECT_EQ(fileBytes(), utf16(u"; Unicode\r\n[Setei]\r\nWebTitleS=한국\r\nPash=/home/josé/\r\n"));

        // Bytes that are no UTF-16 text could not be kept: the file is left alone.
        putFile(utf16(u"[Setei]\r\n") + "x");
        const platform::Result<> refused = settings.WriteSetting(u"Setei", u"LangS", u"1");
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.error().kind, platform::FileErrorKind::ContentNotKept);
        EXPECT_EQ(fileBytes(), utf16(u"[Setei]\r\n") + "x");
    }
}

TEST_F(FileTest, WhatIsNoRegularFileReadsAsNoFileAndIsNeverWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "no pipe or device can stand in a folder on Windows (tests/platform/files_win_test.cpp)";
#else
    SettingsFile settings(folder_);
    ASSERT_EQ(::mkfifo(settings.filePath().c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"LangS"), u"");
    const platform::Result<> written = settings.WriteSetting(u"Setei", u"LangS", u"1");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, platform::FileErrorKind::NotRegularFile);
    EXPECT_TRUE(std::filesystem::is_fifo(settings.filePath()));

    std::filesystem::remove(settings.filePath());
    std::filesystem::create_symlink("/dev/zero", settings.filePath());
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"LangS"), u"");
    EXPECT_FALSE(settings.WriteSetting(u"Setei", u"LangS", u"1"));
#endif
}

TEST_F(FileTest, ALinkedSettingsFileIsWrittenWhereItPoints) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need a right few Windows users have (tests/platform/files_win_test.cpp)";
#endif
    std::filesystem::create_directories(folder_ / "shared");
    SettingsFile settings(folder_);
    std::filesystem::create_symlink("shared/real.ini", settings.filePath());
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"Setei", u"Auto"));
    EXPECT_TRUE(settings.WriteSetting(u"Setei", u"LangS", u"1"));
    EXPECT_TRUE(std::filesystem::is_symlink(settings.filePath()));
    EXPECT_EQ(platform::readFile(folder_ / "shared" / "real.ini").value(), "[Setei]\r\nSetei=Auto\r\nLangS=1\r\n");
}

TEST_F(FileTest, ASaveOfSeveralKeysWritesWhatSingleWritesWould) {
    SettingsFile one(folder_ / "one");
    SettingsFile all(folder_ / "all");
    std::filesystem::create_directories(folder_ / "one");
    std::filesystem::create_directories(folder_ / "all");
    for (SettingsFile* settings : {&one, &all}) {
        EXPECT_TRUE(settings->WriteSetting(u"Setei", u"Setei", u"Auto"));
        EXPECT_TRUE(settings->WriteSetting(u"Data", u"Char", u"c.pcf"));
    }
    const std::vector<SettingValue> save{
        {u"LangS", u"1"}, {u"Setei", u"Mnyu"}, {u"CommentS", u"a\r\nb"}, {u"langs", u"2"}};
    for (const SettingValue& setting : save) EXPECT_TRUE(one.WriteSetting(u"Setei", setting.key, setting.value));
    EXPECT_TRUE(all.WriteSettings(u"Setei", save));
    EXPECT_EQ(platform::readFile(one.filePath()).value(), platform::readFile(all.filePath()).value());
    EXPECT_EQ(all.ReadSetting(u"Setei", u"LangS"), u"2");

    const std::vector<SettingValue> bad{{u"LangS", u"3"}, {u"a=b", u"1"}};
    EXPECT_FALSE(all.WriteSettings(u"Setei", bad));  // nothing of a failed save is written
    EXPECT_EQ(all.ReadSetting(u"Setei", u"LangS"), u"2");
}

TEST_F(FileTest, EveryReadSeesTheFileOnDisk) {
    SettingsFile settings(folder_);
    putFile("[Setei]\r\nSetei=Auto\r\n");
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"Setei"), u"Auto");
    putFile("[Setei]\r\nSetei=Mnyu\r\n");
    EXPECT_EQ(settings.ReadSetting(u"Setei", u"Setei"), u"Mnyu");
}

TEST_F(FileTest, FailedWritesAreReportedAndLeaveTheOldFile) {
    SettingsFile missingFolder(folder_ / "no such folder");
    EXPECT_FALSE(missingFolder.WriteSetting(u"Setei", u"LangS", u"1"));

    SettingsFile settings(folder_);
    EXPECT_FALSE(settings.WriteSetting(u"Setei", u"a=b", u"1"));
    EXPECT_FALSE(std::filesystem::exists(settings.filePath()));

    // Something that cannot be read is never replaced by a file of one key.
    std::filesystem::create_directories(settings.filePath() / "inside");
    EXPECT_FALSE(settings.WriteSetting(u"Setei", u"LangS", u"1"));
    EXPECT_TRUE(std::filesystem::exists(settings.filePath() / "inside"));
    std::filesystem::remove_all(settings.filePath());

#ifndef _WIN32
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the super-user";
#endif
    putFile("[Setei]\r\nLangS=0\r\n");
    std::filesystem::permissions(settings.filePath(), std::filesystem::perms::owner_read);
    EXPECT_FALSE(settings.WriteSetting(u"Setei", u"LangS", u"1"));
    EXPECT_EQ(fileBytes(), "[Setei]\r\nLangS=0\r\n");
    std::filesystem::permissions(settings.filePath(), std::filesystem::perms::none);
    EXPECT_FALSE(settings.WriteSetting(u"Setei", u"LangS", u"1"));  // unreadable: not replaced
    std::filesystem::permissions(settings.filePath(), std::filesystem::perms::owner_read);
    EXPECT_EQ(fileBytes(), "[Setei]\r\nLangS=0\r\n");
}

TEST(SettingsFolder, EndsInTheSeparator) {
#ifdef _WIN32
    EXPECT_EQ(SettingsFile(L"C:\\Pelin").SettingsFolder(), u"C:\\Pelin\\");
    EXPECT_EQ(SettingsFile(L"C:\\Pelin\\").SettingsFolder(), u"C:\\Pelin\\");
    EXPECT_EQ(SettingsFile(L"C:/Pelin/").SettingsFolder(), u"C:/Pelin/");
    EXPECT_EQ(SettingsFile(L"C:\\").SettingsFolder(), u"C:\\");
    EXPECT_EQ(SettingsFile(L"C:\\Pelin").filePath(), std::filesystem::path(L"C:\\Pelin\\Pelin.ini"));
#else
    EXPECT_EQ(SettingsFile("/opt/pelin").SettingsFolder(), u"/opt/pelin/");
    EXPECT_EQ(SettingsFile("/opt/pelin/").SettingsFolder(), u"/opt/pelin/");
    EXPECT_EQ(SettingsFile("/").SettingsFolder(), u"/");
    EXPECT_EQ(SettingsFile("/opt/pelin").filePath(), std::filesystem::path("/opt/pelin/Pelin.ini"));
#endif
}

}  // namespace
}  // namespace pelin::settings
