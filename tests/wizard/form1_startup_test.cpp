// Start-up: the state of a first start, saved answers applied through the
// controls, and the save mode read from the file.
#include "settings/answer_keys.h"
#include "wizard/step_texts.h"
#include "wizard/wizard_fixture.h"

namespace pelin::testing {
namespace {

using StartupTest = WizardTest;
using iconmenu::cIconMenuItem;

TEST_F(StartupTest, FirstStartWithoutSettingsFile) {
    auto& f = load();
    EXPECT_EQ(f.LangCombo.listIndex, 0);
    EXPECT_EQ(f.CharsetCombo.listIndex, 0);
    EXPECT_EQ(f.CharsetCombo.text, u"Shift_JIS");
    EXPECT_EQ(f.Combo31.listIndex, 0);
    EXPECT_EQ(f.Combo32.listIndex, 0);
    EXPECT_EQ(f.Combo32.items.size(), 22u);
    EXPECT_EQ(f.Combo32.items[21], u"縦線ノイズ");
    EXPECT_EQ(f.BaseFontSize.listIndex, 2);
    EXPECT_EQ(f.BaseFontSize.text, u"10(標準)");
    EXPECT_EQ(f.LangCombo.items[1], u"日本語　　　(ja)");
    for (form::TextBox* box : {&f.CText1, &f.CText5, &f.txtTOPM, &f.txtTitle, &f.txt_CSS, &f.txtComment})
        EXPECT_TRUE(box->text.empty()) << box->name;
    for (form::CheckBox* box :
         {&f.Check1, &f.DCheck1, &f.DCheck2, &f.FIXEDCheck, &f.Check51, &f.Option71, &f.Comment81})
        EXPECT_EQ(box->value, 0) << box->name;
    EXPECT_TRUE(f.BR61.value);
    EXPECT_FALSE(f.PRE61.value || f.P61.value);
    EXPECT_FALSE(f.Combo31.enabled || f.Combo32.enabled || f.Sample31.enabled || f.DLinkColor.enabled);
    EXPECT_FALSE(f.txtComment.visible);
    EXPECT_TRUE(f.mnuoptionhozonAuto.checked);
    EXPECT_FALSE(f.mnuoptionhozonMnyu.checked);
    EXPECT_FALSE(f.SeteiMynu.enabled);
    EXPECT_TRUE(f.SaveMode.empty());
    EXPECT_EQ(f.picture, nullptr);
    EXPECT_TRUE(f.mm51.caption.empty());
    EXPECT_EQ(f.txtHelp.text, wizard::kStartHelpText);
    EXPECT_EQ(f.Label1.foreColor, 65280);
    EXPECT_EQ(f.CurrentStep, 1);
    // The source dialog opened at once and was cancelled.
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, "open");
    EXPECT_EQ(f.Caption, u"ぺりん Ver1.31 - [ 変換ファイル未指定 ]");
    EXPECT_FALSE(std::filesystem::exists(iniPath()));
}

TEST_F(StartupTest, IconMenusAreAttachedToTheWindowsMenus) {
    auto& f = load();
    const iconmenu::cIconMenu& icons = f.MainIconMenu;
    EXPECT_EQ(icons.hTargetWnd(), hWnd);
    EXPECT_EQ(icons.hMenu(), menuBar);
    EXPECT_EQ(icons.MenuDefaultImage(), &f.ImageList1);
    EXPECT_EQ(icons.Style(), 1);
    EXPECT_EQ(icons.IconWidth(), 16);
    EXPECT_TRUE(icons.hooked());
    EXPECT_EQ(menuHost.drawMenuBarCount(hWnd), 1);
    // Three bar entries and eleven items below them, the four lines left out.
    ASSERT_EQ(icons.IconMenuItems().Count(), 14u);
    EXPECT_EQ(icons.GetIDtoKey(0), u"ファイル(&F)");
    EXPECT_EQ(icons.GetIDtoKey(1), u"HTML変換するファイルを選択...(&O)");
    const cIconMenuItem* save = icons.item(u"設定保存方法(&E)");
    ASSERT_NE(save, nullptr);
    EXPECT_NE(save->hSubMenu, 0u);
    EXPECT_EQ(icons.item(u"手動保存(&M)")->hMenu, save->hSubMenu);
    EXPECT_EQ(icons.item(u"手動保存(&M)")->AccKey, u"M");
}

// Every key holds a value other than its default; passing the steps and saving
// gives back the same values, so reading and writing agree key by key.
TEST_F(StartupTest, EveryKeyIsAppliedAndSavedBackUnchanged) {
    const Keys keys = {
        {"LangS", "3"},           {"CharsetS", "2"},        {"CSS", "a.css"},           {"WebTitleS", "題名"},
        {"HTMLKeyword01S", "鍵"}, {"WebMidashiS", "説明"},  {"NoRobotS", "1"},          {"DCheck1S", "1"},
        {"DLColorS", "00FF00"},   {"DLColor2S", "65280"},   {"DCheck2S", "1"},          {"OpenPageEfS", "4"},
        {"ClosePageEfS", "7"},    {"BodyfontS", "010203"},  {"Font10S", "197121"},      {"BodylinkS", "0000FF"},
        {"Link10S", "16711680"},  {"BodyalinkS", "FF0000"}, {"BodyvlinkS", "800080"},   {"AlinkS", "255"},
        {"VlinkS", "8388736"},    {"BgColorS", "FFFFFF"},   {"BgColor10S", "16777215"}, {"BodygroundS", "bg.gif"},
        {"FIXEDCheckS", "1"},     {"TOPMpixS", "15"},       {"LEFTMpixS", "-5"},        {"BASEFontS", "6"},
        {"BQuoteS", "1"},         {"BRS", "False"},         {"PRES", "True"},           {"PS", "False"},
        {"Option71S", "1"},       {"Comment81S", "1"},      {"CommentS", "あとがき"},   {"URL61S", "1"},
        {"Mail61S", "1"},         {"Option72S", "1"},
    };
    Keys withMode = keys;
    withMode.insert(withMode.begin(), {"Setei", "Mnyu"});
    writeFile("chara.pcf", "PIC");
    writeIni(withMode, (dir / "chara.pcf").string());
    auto& f = load();

    EXPECT_NE(f.picture, nullptr);
    EXPECT_EQ(f.SaveMode, u"Mnyu");
    EXPECT_TRUE(f.mnuoptionhozonMnyu.checked);
    EXPECT_FALSE(f.mnuoptionhozonAuto.checked);
    EXPECT_TRUE(f.SeteiMynu.enabled);
    EXPECT_EQ(f.LangCombo.listIndex, 3);
    EXPECT_EQ(f.CharsetCombo.text, u"iso-2022-jp");
    EXPECT_EQ(f.txtTitle.text, u"題名");
    EXPECT_TRUE(f.Sample31.enabled && f.DLinkColor.enabled && f.Combo31.enabled && f.Combo32.enabled);
    EXPECT_EQ(f.CText1.text, u"010203");
    EXPECT_EQ(f.Command41.backColor, 197121);
    EXPECT_EQ(f.SampleFont2.foreColor, 255);  // the ALINK preview wins over the LINK colour
    EXPECT_EQ(f.SampleFrame.backColor, 16777215);
    EXPECT_EQ(f.mm51.caption, u"0.525");
    EXPECT_EQ(f.mm52.caption, u"-0.175");
    EXPECT_EQ(f.BaseFontSize.text, u"20");
    EXPECT_TRUE(f.PRE61.value);
    EXPECT_FALSE(f.BR61.value || f.P61.value);
    EXPECT_TRUE(f.txtComment.visible);
    EXPECT_EQ(f.txtComment.text, u"あとがき");
    EXPECT_EQ(f.settings.DLColor, u"00FF00");

    f.txtHTML.setText(text::fromPath(writeFile("typed.txt", "x")));
    nextTo(9);
    std::filesystem::remove(iniPath());
    f.SeteiMynu.click();
    std::string expected = "[Setei]\r\n";
    for (const auto& [k, v] : keys) expected += k + "=" + v + "\r\n";
    EXPECT_EQ(readBytes(iniPath()), cp932(expected));
}

TEST_F(StartupTest, BaseFontSizeIsTheStoredNumberLessOne) {
    const std::pair<const char*, std::int32_t> cases[] = {{"1", 0}, {"7", 6}, {"8", 2}, {"0", -1}, {"x", 2}};
    for (const auto& [stored, position] : cases) {
        writeIni({{"BASEFontS", stored}});
        auto& f = load();
        EXPECT_EQ(f.BaseFontSize.listIndex, position) << stored;
        if (position == -1) {
            EXPECT_TRUE(f.BaseFontSize.text.empty());
        }
    }
}

TEST_F(StartupTest, PositionsOutsideAListOrNotANumberAreSkipped) {
    writeIni({{"LangS", "12"}, {"CharsetS", "-1"}, {"OpenPageEfS", "abc"}, {"NoRobotS", "3"}, {"BRS", "0"}});
    auto& f = load();
    EXPECT_EQ(f.LangCombo.listIndex, 0);
    EXPECT_EQ(f.CharsetCombo.listIndex, -1);
    EXPECT_TRUE(f.CharsetCombo.text.empty());
    EXPECT_EQ(f.Combo31.listIndex, 0);
    EXPECT_EQ(f.Check1.value, 0);
    EXPECT_FALSE(f.BR61.value);  // a number reads as a truth value
}

TEST_F(StartupTest, ASecondLoadDoesNotFillTheListsTwice) {
    auto& f = load();
    f.Form_Load();
    EXPECT_EQ(f.LangCombo.items.size(), 10u);
    EXPECT_EQ(f.Combo31.items.size(), 22u);
    EXPECT_EQ(f.BaseFontSize.items.size(), 7u);
}

TEST_F(StartupTest, OnlyExactlyMnyuSelectsTheManualMode) {
    for (const char* mode : {"mnyu", "auto", "Auto", ""}) {
        writeIni({{"Setei", mode}});
        auto& f = load();
        EXPECT_TRUE(f.mnuoptionhozonAuto.checked) << mode;
        EXPECT_FALSE(f.SeteiMynu.enabled) << mode;
        EXPECT_EQ(f.SaveMode, u(mode));
    }
}

TEST_F(StartupTest, ACharacterThatCannotBeLoadedLeavesNoPicture) {
    writeFile("broken.pcf", "not a picture");
    writeIni({}, (dir / "broken.pcf").string());
    EXPECT_EQ(load().picture, nullptr);
    ASSERT_EQ(pictures.asked.size(), 1u);
    EXPECT_EQ(pictures.asked[0], dir / "broken.pcf");
}

TEST_F(StartupTest, ACharacterSavedWhereAnEarlierInstallKeptItIsFoundWhereTheProgramsFilesAreNow) {
    writeFile("pelin-pink.pcf", "PIC");
    const std::filesystem::path earlier = dir / "lib" / "pelin" / "pelin-pink.pcf";
    writeIni({}, earlier.string());
    EXPECT_NE(load().picture, nullptr);
    EXPECT_EQ(pictures.asked, (std::vector<std::filesystem::path>{earlier, dir / "pelin-pink.pcf"}));

    // A user's own character that is gone is not stood in for by another of a different name.
    pictures.asked.clear();
    writeIni({}, (dir / "lib" / "mine.pcf").string());
    EXPECT_EQ(load().picture, nullptr);
    EXPECT_EQ(pictures.asked.size(), 1u);
}

}  // namespace
}  // namespace pelin::testing
