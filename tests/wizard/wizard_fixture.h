#pragma once
// A main window in a folder of its own, with fake platform services.
#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "iconmenu/fake_menu_host.h"
#include "settings/settings_file.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "text/textfile.h"
#include "wizard/form1.h"

namespace pelin::testing {

using Keys = std::vector<std::pair<std::string, std::string>>;  // key, value in UTF-8

inline std::string cp932(const std::string& utf8) { return text::toCp932(text::fromUtf8(utf8)); }
inline Text u(const std::string& utf8) { return text::fromUtf8(utf8); }

class WizardTest : public ::testing::Test {
protected:
    static std::filesystem::path freshFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("pelin-wizard-") + std::to_string(::getpid()) + "-" + info->test_suite_name() +
                           "-" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        return folder;
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir, ec);
    }

    std::filesystem::path iniPath() const { return dir / "Pelin.ini"; }

    // Writes the settings file: section "Setei" with `keys`, then "Data" when given.
    void writeIni(const Keys& keys, const std::string& character = {}) {
        std::string content = "[Setei]\r\n";
        for (const auto& [k, v] : keys) content += k + "=" + v + "\r\n";
        if (!character.empty()) content += "[Data]\r\nChar=" + character + "\r\n";
        writeFile("Pelin.ini", content);
    }

    // A file in the test folder, its content given in UTF-8 and stored in code page 932.
    std::filesystem::path writeFile(const std::string& name, const std::string& utf8) {
        std::filesystem::path path = dir / utf8Name(name);
        EXPECT_TRUE(platform::replaceFile(path, cp932(utf8)));
        return path;
    }

    std::string readBytes(const std::filesystem::path& path) {
        platform::Result<std::string> bytes = platform::readFile(path);
        EXPECT_TRUE(bytes) << path;
        return bytes ? *bytes : std::string();
    }

    Text setting(const std::string& key) { return ini.ReadSetting(u"Setei", u(key)); }

    // Creates the window and runs its start-up; the source dialog is answered
    // with `source` (cancelled when empty).
    wizard::Form1& load(const std::filesystem::path& source = {}, bool keepSettingsFile = false) {
        if (!source.empty()) dialogs.chooseFile(source);
        menuBar = menuHost.createMenu();
        hWnd = menuHost.createWindow(menuBar);
        form = std::make_unique<wizard::Form1>(services, ini,
                                               wizard::Form1Options{dir, keepSettingsFile, &menuHost, hWnd});
        mirrorMenus();
        form->Form_Load();
        return *form;
    }

    // The window's menus as the window system holds them: one item for each
    // menu item of the window, under the item that holds it.
    void mirrorMenus() {
        std::map<const form::Control*, iconmenu::MenuHandle> menuOf;
        std::int32_t id = 100;
        for (const form::ControlEntry& e : form->controls()) {
            const form::MenuItem* item = e.as<form::MenuItem>();
            if (!item) continue;
            const iconmenu::MenuHandle owner = e.container ? menuOf.at(e.container) : menuBar;
            if (item->caption == u"-") menuHost.appendSeparator(owner);
            else if (form->controls().holdsItems(*item)) menuOf[item] = menuHost.appendPopup(owner, item->caption);
            else menuHost.appendCommand(owner, item->caption, ++id);
        }
    }

    // Presses Next until the window stands on `step`.
    void nextTo(int step) {
        for (int guard = 0; form->CurrentStep < step && guard < 10; ++guard) form->SubFoword.click();
        ASSERT_EQ(form->CurrentStep, step);
    }

    // From step 1 to the end, choosing `destination` on step 9.
    void convertTo(const std::filesystem::path& destination) {
        nextTo(9);
        dialogs.chooseFile(destination);
        form->HozonDialog.click();
        form->SubFoword.click();
    }

    std::filesystem::path dir = freshFolder();
    FakeMenuHost menuHost;
    iconmenu::MenuHandle menuBar = 0;
    iconmenu::WindowHandle hWnd = 0;
    ScriptedDialogs dialogs;
    RecordingMessages messages;
    FakePictures pictures;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeWindows windows;
    form::Services services{messages, dialogs, pictures, clipboard, shell, windows};
    settings::SettingsFile ini{dir};
    std::unique_ptr<wizard::Form1> form;
};

// The answers of the first worked example of the page writer.
inline Keys firstExampleKeys() {
    return {{"LangS", "1"},          {"WebTitleS", "サンプル"}, {"HTMLKeyword01S", "テスト"}, {"BodyfontS", "000000"},
            {"BodylinkS", "0000FF"}, {"BodyalinkS", "FF0000"},  {"BodyvlinkS", "800080"},     {"BgColorS", "FFFFFF"},
            {"TOPMpixS", "0"},       {"LEFTMpixS", "0"},        {"BASEFontS", "3"},           {"BRS", "True"},
            {"Option71S", "1"}};
}
inline const char* const kFirstExampleSource = "こんにちは\r\nA&B ×2\r\n";
inline const char* const kFirstExamplePage =
    "<HTML LANG=ja><HEAD>\r\n<TITLE>サンプル</TITLE>\r\n\r\n<META NAME=Keyword CONTENT=テスト>\r\n"
    "<META NAME=Content-Type Content=text/html; charset=Shift_JIS>\r\n"
    "<META NAME=GENERATOR CONTENT=ろぷら工房 >\r\n\r\n</HEAD>\r\n\r\n"
    "<BODY TEXT=#000000 LINK=#0000FF ALINK=#FF0000 VLINK=#800080 BGCOLOR=#FFFFFF TOPMARGIN=0 "
    "LEFTMARGIN=0>\r\n<BASEFONT SIZE=3>\r\nこんにちは<BR>\r\nA&amp;B &times;2<BR>\r\n\r\n</BODY></HTML>\r\n\r\n";

// The second worked example, with every optional block on.
inline Keys secondExampleKeys() {
    return {{"LangS", "2"},           {"CharsetS", "1"},       {"CSS", "s.css"},
            {"WebTitleS", "T"},       {"HTMLKeyword01S", "K"}, {"WebMidashiS", "D"},
            {"NoRobotS", "1"},        {"DCheck1S", "1"},       {"DLColorS", "FF0000"},
            {"DCheck2S", "1"},        {"OpenPageEfS", "0"},    {"ClosePageEfS", "21"},
            {"BodyfontS", "000000"},  {"BodylinkS", "0000FF"}, {"BodyalinkS", "FF0000"},
            {"BodyvlinkS", "800080"}, {"BgColorS", "FFFFFF"},  {"BodygroundS", "bg.gif"},
            {"FIXEDCheckS", "1"},     {"TOPMpixS", "10"},      {"LEFTMpixS", "20"},
            {"BASEFontS", "4"},       {"BQuoteS", "1"},        {"BRS", "False"},
            {"PRES", "False"},        {"PS", "True"},          {"Option71S", "0"},
            {"Comment81S", "1"},      {"CommentS", "memo"}};
}
inline const char* const kSecondExampleSource = "line1\r\nline2";
inline const char* const kSecondExamplePage =
    "<HTML LANG=en-US><HEAD>\r\n<TITLE>T</TITLE>\r\n\r\n<META NAME=Description CONTENT=D>\r\n"
    "<META NAME=Keyword CONTENT=K>\r\n<META NAME=Content-Type Content=text/html; charset=euc-jp>\r\n"
    "<META NAME=GENERATOR CONTENT=ろぷら工房 >\r\n\r\n<META NAME=robots CONTENT=noindex,nofollow>\r\n\r\n"
    "<LINK REL=stylesheet HREF=s.css>\r\n\r\n<STYLE type=text/css><!--\r\n"
    "A:hover { text-decoration:underline; font-weight:bold; color:#FF0000}\r\n--></STYLE>\r\n"
    "<META http-equiv=Page-Enter content=revealTrans(Duration=1.0,Transition=1)>\r\n"
    "<META http-equiv=Page-Exit content=revealTrans(Duration=1.0,Transition=22)>\r\n</HEAD>\r\n\r\n"
    "<BODY TEXT=#000000 LINK=#0000FF ALINK=#FF0000 VLINK=#800080 BGCOLOR=#FFFFFF BACKGROUND=bg.gif TOPMARGIN=10 "
    "LEFTMARGIN=20 BGPROPERTIES=FIXED>\r\n<BASEFONT SIZE=4>\r\n<BLOCKQUOTE>\r\n\r\nline1<P>\r\nline2<P>\r\n\r\n"
    "</BLOCKQUOTE>\r\n\r\n<!--\r\nmemo\r\n-->\r\n\r\n</BODY></HTML>\r\n\r\n";
// The second example is labelled euc-jp and so written in EUC-JP, where the
// maker's name, its only text beyond ASCII, is these JIS X 0208 codes.
inline std::string secondExamplePageBytes() {
    std::string page = kSecondExamplePage;
    const std::string maker = "ろぷら工房";
    return page.replace(page.find(maker), maker.size(), "\xA4\xED\xA4\xD7\xA4\xE9\xB9\xA9\xCB\xBC");
}

}  // namespace pelin::testing
