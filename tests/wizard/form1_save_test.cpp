// The save policy: the mode menu, the manual and the automatic save, failures
// to write, and closing.
#include "wizard/wizard_fixture.h"

namespace pelin::testing {
namespace {

using SaveTest = WizardTest;

std::vector<std::string> keysOf(const std::string& ini) {
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start < ini.size()) {
        std::size_t end = ini.find("\r\n", start);
        std::string line = ini.substr(start, end - start);
        if (line.find('=') != std::string::npos) keys.push_back(line.substr(0, line.find('=')));
        start = end + 2;
    }
    return keys;
}

TEST_F(SaveTest, AnswersFollowTheKeyOrderOfTheSettingsFile) {
    const std::vector<std::u16string_view> order{
        u"LangS",    u"CharsetS",   u"CSS",         u"WebTitleS",   u"HTMLKeyword01S", u"WebMidashiS",  u"NoRobotS",
        u"DCheck1S", u"DLColorS",   u"DLColor2S",   u"DCheck2S",    u"OpenPageEfS",    u"ClosePageEfS", u"BodyfontS",
        u"Font10S",  u"BodylinkS",  u"Link10S",     u"BodyalinkS",  u"BodyvlinkS",     u"AlinkS",       u"VlinkS",
        u"BgColorS", u"BgColor10S", u"BodygroundS", u"FIXEDCheckS", u"TOPMpixS",       u"LEFTMpixS",    u"BASEFontS",
        u"BQuoteS",  u"BRS",        u"PRES",        u"PS",          u"Option71S",      u"Comment81S",   u"CommentS",
        u"URL61S",   u"Mail61S",    u"Option72S"};
    auto& f = load();
    std::vector<std::u16string_view> keys;
    for (const auto& answer : f.answers()) keys.push_back(answer.key);
    EXPECT_EQ(keys, order);
}

TEST_F(SaveTest, ModeMenuStoresTheModeAtOnceAndWritesNoAnswer) {
    auto& f = load();
    f.mnuoptionhozonMnyu.click();
    EXPECT_EQ(readBytes(iniPath()), "[Setei]\r\nSetei=Mnyu\r\n");
    EXPECT_EQ(f.SaveMode, u"Mnyu");
    EXPECT_TRUE(f.mnuoptionhozonMnyu.checked);
    EXPECT_FALSE(f.mnuoptionhozonAuto.checked);
    EXPECT_TRUE(f.SeteiMynu.enabled);

    f.mnuoptionhozonAuto.click();
    EXPECT_EQ(readBytes(iniPath()), "[Setei]\r\nSetei=Auto\r\n");
    EXPECT_EQ(f.SaveMode, u"Auto");
    EXPECT_TRUE(f.mnuoptionhozonAuto.checked);
    EXPECT_FALSE(f.mnuoptionhozonMnyu.checked);
    EXPECT_FALSE(f.SeteiMynu.enabled);
}

TEST_F(SaveTest, AutomaticModeChosenInTheMenuSavesAfterTheConversion) {
    auto& f = load(writeFile("src.txt", "text"));
    f.mnuoptionhozonAuto.click();
    convertTo(dir / "page.htm");
    ASSERT_EQ(f.CurrentStep, 10);
    const std::vector<std::string> keys = keysOf(readBytes(iniPath()));
    ASSERT_EQ(keys.size(), 40u);  // the mode, the source folder, the 38 answers
    EXPECT_EQ(keys[0], "Pash");
    EXPECT_EQ(keys[1], "Setei");
    EXPECT_EQ(keys[2], "LangS");
    EXPECT_EQ(keys[36], "CommentS");
    EXPECT_EQ(keys[39], "Option72S");
}

// The check mark is the mode the user sees: a first start (no mode stored) and
// a hand-edited mode both show automatic saving, and so save; the stored text
// itself is kept as read.
TEST_F(SaveTest, AutomaticSaveFollowsTheCheckMark) {
    const std::pair<const char*, bool> modes[] = {{nullptr, true}, {"auto", true}, {"Mnyu", false}};
    for (const auto& [mode, saves] : modes) {
        std::filesystem::remove(iniPath());
        if (mode) writeIni({{"Setei", mode}});
        auto& f = load(writeFile("src.txt", "text"));
        EXPECT_EQ(f.mnuoptionhozonAuto.checked, saves);
        convertTo(dir / "page.htm");
        ASSERT_EQ(f.CurrentStep, 10);
        EXPECT_EQ(setting("LangS") == u"0", saves) << (mode ? mode : "no mode");
        EXPECT_EQ(f.SaveMode, text::fromUtf8(mode ? mode : ""));
    }
}

TEST_F(SaveTest, ManualSaveWritesTheCurrentAnswersEveryTime) {
    writeIni({{"Setei", "Mnyu"}});
    auto& f = load(writeFile("src.txt", "text"));
    convertTo(dir / "page.htm");
    f.SeteiMynu.click();
    EXPECT_EQ(setting("CharsetS"), u"0");
    EXPECT_EQ(setting("BASEFontS"), u"3");
    EXPECT_EQ(setting("BRS"), u"True");
    EXPECT_EQ(setting("PRES"), u"False");
    f.CharsetCombo.setListIndex(-1);  // a control is saved as it stands now
    f.SeteiMynu.click();
    EXPECT_EQ(setting("CharsetS"), u"-1");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SaveTest, AFailedSaveWarnsOnceNamingTheFile) {
    auto& f = load();
    std::filesystem::create_directory(iniPath());  // the settings file cannot be written
    f.SeteiMynu.enabled = true;
    f.SeteiMynu.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_EQ(messages.shown[0].title, u"ぺりん");
    EXPECT_NE(messages.shown[0].prompt.find(text::fromPath(iniPath())), Text::npos);

    // A failed write of the mode is reported too; the mode changes all the same.
    f.mnuoptionhozonMnyu.click();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(f.mnuoptionhozonMnyu.checked);
    EXPECT_EQ(f.SaveMode, u"Mnyu");
}

TEST_F(SaveTest, FailedAutomaticSaveWarnsOnceAndStillFinishes) {
    writeIni({{"Setei", "Auto"}});
    auto& f = load(writeFile("src.txt", "text"));
    std::filesystem::remove(iniPath());
    std::filesystem::create_directory(iniPath());
    convertTo(dir / "page.htm");
    EXPECT_EQ(f.CurrentStep, 10);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
}

TEST_F(SaveTest, ClosingAsksAndSavesNothing) {
    writeIni({{"Setei", "Auto"}});
    auto& f = load();
    int closeRequests = 0;
    f.onRequestClose = [&] { ++closeRequests; };
    const std::string before = readBytes(iniPath());

    messages.answers = {form::kAnswerNo};
    EXPECT_FALSE(f.Form_QueryUnload());
    EXPECT_TRUE(f.MainIconMenu.hooked());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, u"終了しますか？");
    EXPECT_EQ(messages.shown[0].flags, 36);
    EXPECT_EQ(messages.shown[0].title, u"終了");

    messages.answers = {form::kAnswerYes};
    EXPECT_TRUE(f.Form_QueryUnload());
    // The menus are unhooked: the window's own procedure answers again.
    EXPECT_FALSE(f.MainIconMenu.hooked());
    EXPECT_EQ(menuHost.procedure(hWnd), &menuHost.ownProcedure(hWnd));
    EXPECT_EQ(readBytes(iniPath()), before);

    f.mnufileend.click();  // the window system closes, which asks again
    EXPECT_EQ(closeRequests, 1);
}

}  // namespace
}  // namespace pelin::testing
