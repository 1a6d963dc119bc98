// The character dialog driven through its handlers, over a real folder.
#include "character/dialog.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/temp_dir.h"

namespace pelin::character {
namespace {

using testing::TempDir;

class CharacterDialogTest : public ::testing::Test {
protected:
    TempDir program;
    TempDir settingsDir;
    settings::SettingsFile ini{settingsDir.path()};
    testing::RecordingMessages messages;
    testing::FakePictures pictures;  // "PIC…" is a picture, anything else is not
    Dialog dialog{{messages, pictures, ini}, {program.path()}};
    std::vector<std::shared_ptr<form::Picture>> handedOver;
    int closed = 0;

    void SetUp() override {
        dialog.setMainPicture = [this](std::shared_ptr<form::Picture> p) { handedOver.push_back(std::move(p)); };
        dialog.onClose = [this] { ++closed; };
    }
    Text path(std::string_view name) const { return text::fromPath(program / name); }
};

TEST_F(CharacterDialogTest, ListsOrdinaryCharacterFilesByNameWhateverTheCase) {
    program.write("b.pcf", "PIC");
    program.write("a.pcf", "PIC");
    program.write("C.PCF", "PIC");
    program.write("B2.pcf", "PIC");
    program.write(".hidden.pcf", "PIC");
    program.write("note.txt", "PIC");
    program.write("pcf", "PIC");
    std::filesystem::create_directory(program / "folder.pcf");
    dialog.Form_Load();
    EXPECT_EQ(dialog.PCFFile.items, (std::vector<Text>{u"a.pcf", u"b.pcf", u"B2.pcf", u"C.PCF"}));
    EXPECT_EQ(dialog.PCFFile.listIndex, -1);
    EXPECT_EQ(dialog.Image1.picture, nullptr);
}

TEST_F(CharacterDialogTest, ClicksPreviewOnlyAndOkAppliesAndStores) {
    program.write("a.pcf", "PIC-a");
    program.write("b.pcf", "PIC-b");
    dialog.Form_Load();
    dialog.PCFFile.setListIndex(0);
    ASSERT_NE(dialog.Image1.picture, nullptr);
    dialog.PCFFile.setListIndex(1);
    EXPECT_EQ(pictures.asked.back(), program / "b.pcf");
    EXPECT_TRUE(handedOver.empty());
    EXPECT_EQ(ini.ReadSetting(u"Data", u"Char"), u"");

    dialog.OKButton.click();
    EXPECT_EQ(ini.ReadSetting(u"Data", u"Char"), path("b.pcf"));
    ASSERT_EQ(handedOver.size(), 1u);
    EXPECT_NE(handedOver[0], nullptr);
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CharacterDialogTest, EmptyFolderCancelAndReload) {
    dialog.Form_Load();
    EXPECT_TRUE(dialog.PCFFile.items.empty());
    dialog.OKButton.click();  // nothing chosen: nothing happens
    EXPECT_EQ(closed, 0);
    EXPECT_FALSE(std::filesystem::exists(ini.filePath()));

    program.write("new.pcf", "PIC");
    dialog.Redata.click();
    EXPECT_EQ(dialog.PCFFile.items, std::vector<Text>{u"new.pcf"});
    dialog.PCFFile.setListIndex(0);
    std::filesystem::remove(program / "new.pcf");
    program.write("other.pcf", "PIC");
    dialog.Redata.click();  // the preview stays as it was
    EXPECT_EQ(dialog.PCFFile.items, std::vector<Text>{u"other.pcf"});
    EXPECT_EQ(dialog.PCFFile.listIndex, -1);
    EXPECT_NE(dialog.Image1.picture, nullptr);

    dialog.CancelButton.click();
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(handedOver.empty());
    EXPECT_FALSE(std::filesystem::exists(ini.filePath()));
}

TEST_F(CharacterDialogTest, FileWithoutPictureKeepsTheMainPicture) {
    program.write("broken.pcf", "not a picture");
    dialog.Form_Load();
    dialog.PCFFile.setListIndex(0);
    EXPECT_EQ(dialog.Image1.picture, nullptr);
    dialog.OKButton.click();
    // The choice is stored as made; the main window keeps its character.
    EXPECT_EQ(ini.ReadSetting(u"Data", u"Char"), path("broken.pcf"));
    EXPECT_TRUE(handedOver.empty());
    EXPECT_EQ(closed, 1);
}

TEST_F(CharacterDialogTest, APictureOverItsLimitIsRefusedWithAMessageNamingIt) {
    const std::filesystem::path big = program.write("big.pcf", "PIC");
    std::filesystem::resize_file(big, platform::kMaxPictureFileBytes + 1);
    dialog.Form_Load();
    dialog.PCFFile.setListIndex(0);
    EXPECT_EQ(dialog.Image1.picture, nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_NE(messages.shown[0].prompt.find(path("big.pcf") + u"\r\nファイルが大きすぎます"), Text::npos)
        << text::toUtf8(messages.shown[0].prompt);

    // Nor is it kept: the dialog stays open for another choice.
    dialog.OKButton.click();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(ini.ReadSetting(u"Data", u"Char"), u"");
    EXPECT_TRUE(handedOver.empty());
    EXPECT_EQ(closed, 0);
}

TEST_F(CharacterDialogTest, FailedWriteWarnsNamingTheSettingsFile) {
    program.write("a.pcf", "PIC");
    std::filesystem::create_directory(ini.filePath());  // cannot be replaced
    dialog.Form_Load();
    dialog.PCFFile.setListIndex(0);
    dialog.OKButton.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_EQ(messages.shown[0].title, u"ぺりん");
    EXPECT_NE(messages.shown[0].prompt.find(text::fromPath(ini.filePath())), Text::npos);
    EXPECT_EQ(handedOver.size(), 1u);  // the choice still applies for now
}

TEST_F(CharacterDialogTest, TheUsersOwnCharactersJoinTheListAndAreStoredWhereTheyAre) {
    TempDir user;
    Dialog both{{messages, pictures, ini}, {program.path(), user.path()}};
    both.setMainPicture = dialog.setMainPicture;
    program.write("pelin-blue.pcf", "PIC-program");
    program.write("same.pcf", "PIC-program");
    user.write("Mine.pcf", "PIC-user");
    user.write("same.pcf", "PIC-user");  // the user's own stands for the program's
    both.Form_Load();
    EXPECT_EQ(both.PCFFile.items, (std::vector<Text>{u"Mine.pcf", u"pelin-blue.pcf", u"same.pcf"}));

    both.PCFFile.setListIndex(2);
    EXPECT_EQ(pictures.asked.back(), user / "same.pcf");
    both.PCFFile.setListIndex(0);
    both.OKButton.click();
    EXPECT_EQ(ini.ReadSetting(u"Data", u"Char"), text::fromPath(user / "Mine.pcf"));
    both.PCFFile.setListIndex(1);
    both.OKButton.click();
    EXPECT_EQ(ini.ReadSetting(u"Data", u"Char"), path("pelin-blue.pcf"));
    EXPECT_EQ(handedOver.size(), 2u);
}

TEST(CharacterPath, FolderSeparatorName) {
#ifdef _WIN32
    EXPECT_EQ(Dialog::characterPath(L"C:\\Program Files\\Pelin\\", u"a.pcf"), u"C:\\Program Files\\Pelin\\a.pcf");
    EXPECT_EQ(Dialog::characterPath(L"D:/Pelin/", u"a.pcf"), u"D:/Pelin\\a.pcf");
    EXPECT_EQ(Dialog::characterPath(L"C:\\", u"ぺりん.pcf"), u"C:\\ぺりん.pcf");
#else
    EXPECT_EQ(Dialog::characterPath("/opt/pelin/", u"a.pcf"), u"/opt/pelin/a.pcf");
    EXPECT_EQ(Dialog::characterPath("/", u"ぺりん.pcf"), u"/ぺりん.pcf");
#endif
}

}  // namespace
}  // namespace pelin::character
