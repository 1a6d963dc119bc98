// File choices and the menu commands beside the wizard.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <set>

#include "platform/folders.h"
#include "wizard/wizard_fixture.h"

namespace pelin::testing {
namespace {

using FilesTest = WizardTest;
using MenuTest = WizardTest;

TEST_F(FilesTest, SourceChoiceShowsSizeCaptionAndKeepsItsFolder) {
    std::filesystem::create_directories(dir / "texts");
    const std::filesystem::path source = writeFile("texts/a.txt", std::string(12345, 'x'));
    auto& f = load(source);

    const DialogCall& first = dialogs.calls.at(0);
    EXPECT_EQ(first.title, u"HTML変換するテキストを選択");
    EXPECT_EQ(first.filter, u"テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*");
    EXPECT_EQ(first.flags, 4096);
    EXPECT_EQ(first.filterIndex, 1);
#ifdef _WIN32
    const char* home = std::getenv("USERPROFILE");
#else
    const char* home = std::getenv("HOME");
#endif
    if (home && std::string(home) != "/") {
        EXPECT_EQ(first.initDir, text::fromUtf8(home) + platform::kFolderSeparator);
    }

    EXPECT_EQ(f.settings.HTMLCFile, text::fromPath(source));
    EXPECT_EQ(f.txtHTML.text, text::fromPath(source));
    EXPECT_EQ(f.Caption, u"ぺりん Ver1.31 - [" + text::fromPath(source) + u"]");
    EXPECT_EQ(f.settings.FileSize, 12345);
    EXPECT_EQ(f.txtHTMLSize.caption, u"ファイルサイズ : 12.345KB");
    EXPECT_TRUE(f.mnufilepro.enabled);
    EXPECT_TRUE(f.SubFoword.enabled);
    EXPECT_EQ(setting("Pash"), text::fromPath(dir / "texts") + u"/");

    // The next choice opens in that folder.
    const std::pair<std::size_t, const char16_t*> sizes[] = {
        {1000, u"ファイルサイズ : 1KB"}, {1, u"ファイルサイズ : 0.001KB"}, {0, u"ファイルサイズ : ???? KB"}};
    for (const auto& [size, shown] : sizes) {
        dialogs.chooseFile(writeFile("texts/b.txt", std::string(size, 'y')));
        f.mnufileopen.click();
        EXPECT_EQ(dialogs.calls.back().initDir, text::fromPath(dir / "texts") + u"/");
        EXPECT_EQ(f.txtHTMLSize.caption, shown);
        dialogs.calls.clear();
    }
    f.Command11.click();  // cancelled: no source is left anywhere, and none is converted
    EXPECT_EQ(f.Caption, u"ぺりん Ver1.31 - [ 変換ファイル未指定 ]");
    EXPECT_FALSE(f.mnufilepro.enabled);
    EXPECT_TRUE(f.settings.HTMLCFile.empty() && f.txtHTML.text.empty() && f.txtHTMLSize.caption.empty());
    convertTo(dir / "page.htm");
    EXPECT_EQ(f.CurrentStep, 9);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].prompt.starts_with(u"変換するテキストファイルが選択されていません。"));
}

TEST_F(FilesTest, TypedSourceIsTakenAsAChoiceOnEnterOrNext) {
    auto& f = load(writeFile("a.txt", "a"));
    const std::filesystem::path typed = writeFile("b.txt", std::string(2000, 'b'));
    f.txtHTML.setText(text::fromPath(typed));
    f.txtHTML.keyPress(13);
    EXPECT_EQ(f.settings.HTMLCFile, text::fromPath(typed));
    EXPECT_EQ(f.txtHTMLSize.caption, u"ファイルサイズ : 2KB");
    EXPECT_EQ(f.Caption, u"ぺりん Ver1.31 - [" + text::fromPath(typed) + u"]");

    const Text missing = text::fromPath(dir / "missing.txt");
    f.txtHTML.setText(missing);
    f.SubFoword.click();
    EXPECT_EQ(f.CurrentStep, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_EQ(messages.shown[0].prompt,
              u"このファイルは変換できません。\r\n" + missing + u"\r\nファイルまたはフォルダーが見つかりません");
}

// A pipe would block the conversion, a huge file fill the memory: each is
// refused at once, and the previous file's figures go with it.
TEST_F(FilesTest, OnlyARegularFileUnderTwoGibibytesIsASource) {
    const std::filesystem::path huge = dir / "huge.txt", good = writeFile("good.txt", "g");
    std::ofstream(huge).put('x');
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 31);
    std::vector<std::pair<std::filesystem::path, Text>> refused{{huge, u"ファイルが大きすぎます"}};
#ifndef _WIN32  // (pipes on Windows: tests/platform/files_win_test.cpp)
    ASSERT_EQ(::mkfifo((dir / "pipe.txt").c_str(), 0600), 0);
    refused.push_back({dir / "pipe.txt", u"通常のファイルではありません"});
#endif
    auto& f = load(good);
    for (const auto& [path, reason] : refused) {
        dialogs.chooseFile(good);
        f.Command11.click();
        const auto started = std::chrono::steady_clock::now();
        dialogs.chooseFile(path);
        f.Command11.click();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
        EXPECT_TRUE(messages.shown.back().prompt.ends_with(text::fromPath(path) + u"\r\n" + reason)) << path;
        EXPECT_TRUE(f.txtHTMLSize.caption.empty() && f.settings.HTMLCFile.empty()) << path;
    }
}

TEST_F(FilesTest, TypingAPathChangesOnlyNextAndTheFilePropertiesItem) {
    auto& f = load();
    f.txtHTML.setText(u"/somewhere/typed.txt");
    EXPECT_TRUE(f.SubFoword.enabled);
    EXPECT_TRUE(f.mnufilepro.enabled);
    EXPECT_TRUE(f.settings.HTMLCFile.empty());
    EXPECT_EQ(f.Caption, u"ぺりん Ver1.31 - [ 変換ファイル未指定 ]");
    f.txtHTML.setText(u"");
    EXPECT_FALSE(f.mnufilepro.enabled);
    EXPECT_TRUE(f.SubFoword.enabled);
}

TEST_F(FilesTest, DestinationProposesTheTitleAndCancelEmptiesTheBox) {
    auto& f = load(writeFile("src.txt", "x"));
    f.txtTitle.setText(u"日記");
    nextTo(9);
    dialogs.chooseFile(dir / "日記.htm");
    f.HozonDialog.click();
    const DialogCall& call = dialogs.calls.back();
    EXPECT_EQ(call.kind, "save");
    EXPECT_EQ(call.fileName, u"日記");
    EXPECT_EQ(call.defaultExt, u"htm");
    EXPECT_EQ(call.flags, 2);
    EXPECT_EQ(call.title, u"HTML変換したファイルの保存先");
    EXPECT_EQ(call.filter, u"すべてのファイル(*.*)|*.*");
    EXPECT_EQ(f.settings.HTMLFilePass, text::fromPath(dir / "日記.htm"));
    EXPECT_EQ(f.txtHozon.text, f.settings.HTMLFilePass);

    f.HozonDialog.click();
    EXPECT_TRUE(f.txtHozon.text.empty());
    f.SubFoword.click();
    EXPECT_EQ(f.CurrentStep, 9);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FilesTest, APathTypedWithoutItsFolderLiesWhereItsDialogWouldOpen) {
    std::filesystem::create_directories(dir / "texts");
    auto& f = load(writeFile("texts/a.txt", "a"));
    // The source dialog opens in the folder of the file it last chose.
    writeFile("texts/b.txt", std::string(2000, 'b'));
    const std::filesystem::path typed = dir / "texts" / "b.txt";
    f.txtHTML.setText(u"b.txt");
    f.txtHTML.keyPress(13);
    EXPECT_EQ(f.settings.HTMLCFile, text::fromPath(typed));
    EXPECT_EQ(f.txtHTML.text, text::fromPath(typed));

    // The save dialog proposes the title without a folder, so it opens in the
    // folder the source dialog was last sent to.
    dialogs.chooseFile(typed);
    f.mnufileopen.click();
    nextTo(9);
    f.txtHozon.setText(u"page.htm");
    f.SubFoword.click();
    EXPECT_EQ(f.CurrentStep, 10);
    EXPECT_EQ(f.txtHozon.text, text::fromPath(dir / "texts" / "page.htm"));
    EXPECT_NE(readBytes(dir / "texts" / "page.htm").find("bbbb"), std::string::npos);
}

TEST_F(FilesTest, TypedDestinationIsTakenAsTheSaveDialogTakesIt) {
    auto& f = load(writeFile("src.txt", "本文"));
    const std::filesystem::path existing = writeFile("old.htm", "old");
    nextTo(9);
    f.txtHozon.setText(text::fromPath(dir / "nowhere" / "page.htm"));
    f.SubFoword.click();  // a folder that is not there is named
    EXPECT_NE(messages.shown.at(0).prompt.find(u"\r\n" + text::fromPath(dir / "nowhere") + u"\r\n"), Text::npos);
    f.txtHozon.setText(text::fromPath(existing));
    messages.answers = {form::kAnswerNo, form::kAnswerYes};
    f.SubFoword.click();  // replacing a file is asked first; No keeps the file and the step
    EXPECT_EQ(messages.shown.at(1).prompt, text::fromPath(existing) + u" は既に存在します。\r\n上書きしますか?");
    EXPECT_EQ(messages.shown[1].flags, 36);
    EXPECT_EQ(f.CurrentStep, 9);
    EXPECT_EQ(readBytes(existing), "old");
    f.SubFoword.click();
    EXPECT_EQ(f.CurrentStep, 10);
    EXPECT_NE(readBytes(existing).find(cp932("本文")), std::string::npos);
}

TEST_F(FilesTest, StyleSheetTakesTheNameWithoutItsFolder) {
    auto& f = load();
    dialogs.chooseFile(dir / "css" / "site.css");
    f.Command1.click();
    EXPECT_EQ(dialogs.calls.back().title, u"外部CSSファイルを選択");
    EXPECT_EQ(dialogs.calls.back().filter, u"外部CSSファイル(*.css)|*.css|すべてのファイル(*.*)|*.*");
    EXPECT_EQ(f.settings.CSSFile, u"site.css");
    EXPECT_EQ(f.txt_CSS.text, u"site.css");
    f.Command1.click();  // cancelled: kept
    EXPECT_EQ(f.txt_CSS.text, u"site.css");
}

TEST_F(FilesTest, OneDialogKeepsItsPropertiesBetweenUses) {
    auto& f = load();
    const Text folder = f.commonDialog().InitDir;
    dialogs.chooseColour(1);
    f.Command41.click();
    EXPECT_EQ(&f.commonDialog(), &f.CommonDialog1);
    EXPECT_EQ(dialogs.calls.back().initDir, folder);
    EXPECT_EQ(dialogs.calls.back().title, u"HTML変換するテキストを選択");
}

TEST_F(FilesTest, CommentBoxFollowsItsCheckBox) {
    auto& f = load();
    f.Comment81.setValue(1);
    EXPECT_TRUE(f.txtComment.visible);
    f.txtComment.setText(u"残る");
    f.Comment81.setValue(0);
    EXPECT_FALSE(f.txtComment.visible);
    EXPECT_EQ(f.txtComment.text, u"残る");
}

TEST_F(FilesTest, EditOpensThePageInTheNotepadLineByLine) {
    auto& f = load();
    f.settings.HTMLFilePass = text::fromPath(writeFile("page.htm", "一\r\nlone\nLF\rCR\r\nlast"));
    f.EditBottan.click();
    ASSERT_EQ(windows.notepad.size(), 1u);
    EXPECT_EQ(windows.notepad[0], u"一\r\nlone\nLF\r\nCR\r\nlast\r\n");
    EXPECT_EQ(windows.notepadFiles[0], f.settings.HTMLFilePass);  // where 上書き保存 writes it back

    // A page that cannot be read is shown empty, with no file to save that over.
    f.settings.HTMLFilePass = text::fromPath(dir / "gone.htm");
    f.EditBottan.click();
    ASSERT_EQ(windows.notepad.size(), 2u);
    EXPECT_TRUE(windows.notepad[1].empty());
    EXPECT_TRUE(windows.notepadFiles[1].empty());
}

TEST_F(FilesTest, TheWrittenPageOpensInTheBrowserByItsFileAddress) {
    auto& f = load(writeFile("src.txt", "text"));
    EXPECT_FALSE(f.BrowseButton.enabled);
    const std::filesystem::path page = dir / text::toPath(u"my page 日記.htm");
    convertTo(page);
    ASSERT_EQ(f.CurrentStep, 10);
    ASSERT_TRUE(f.BrowseButton.enabled);
    f.BrowseButton.click();
    ASSERT_EQ(shell.opened.size(), 1u);
    // "file:///" and the folder with "/" between its parts, on every system.
    EXPECT_TRUE(shell.opened[0].starts_with(u"file:///")) << text::toUtf8(shell.opened[0]);
    EXPECT_TRUE(shell.opened[0].ends_with(u"/my%20page%20%E6%97%A5%E8%A8%98.htm")) << text::toUtf8(shell.opened[0]);
    EXPECT_EQ(shell.opened[0].find(u'\\'), Text::npos);
#ifndef _WIN32
    EXPECT_EQ(shell.opened[0],
              u"file://" + text::fromPath(std::filesystem::absolute(dir)) + u"/my%20page%20%E6%97%A5%E8%A8%98.htm");
#endif

    // The opener gives up later: the user is told, with the page and why.
    shell.failOpening(u"ウェブページを開くプログラムが失敗しました (終了コード 3)。");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, u"ブラウザを開けませんでした。\r\n" + text::fromPath(page) +
                                            u"\r\nウェブページを開くプログラムが失敗しました (終了コード 3)。");
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_EQ(messages.shown[0].title, u"ぺりん");

    // A second run that writes nothing leaves nothing to look at.
    f.StartFrame.click();
    f.conversionProgress = [](std::uint64_t, std::uint64_t) { return false; };
    convertTo(dir / "other.htm");
    EXPECT_FALSE(f.BrowseButton.enabled);
}

// A page written in UTF-8, the list's fourth set, comes back into the notepad
// as the characters it holds, and goes back to the notepad's saving as UTF-8.
TEST_F(FilesTest, EditOpensAUtf8PageInItsOwnSet) {
    writeIni({{"CharsetS", "3"}, {"BRS", "True"}});
    auto& f = load(writeFile("src.txt", "髙橋①ｱ\r\n"));
    EXPECT_EQ(f.CharsetCombo.text, u"UTF-8");
    convertTo(dir / "page.htm");
    ASSERT_EQ(f.CurrentStep, 10);
    EXPECT_NE(readBytes(dir / "page.htm").find("charset=UTF-8>\r\n"), std::string::npos);
    EXPECT_NE(readBytes(dir / "page.htm").find("\r\n髙橋①ｱ<BR>\r\n"), std::string::npos);
    f.EditBottan.click();
    ASSERT_EQ(windows.notepad.size(), 1u);
    EXPECT_NE(windows.notepad[0].find(u"\r\n髙橋①ｱ<BR>\r\n"), Text::npos);
    EXPECT_EQ(windows.notepadCharsets[0], text::PageCharset::Utf8);
}

TEST_F(MenuTest, FilePropertiesOfThePathAsTyped) {
    auto& f = load(writeFile("a.txt", "x"));
    f.txtHTML.setText(u"/edited/by/hand.txt");
    f.mnufilepro.click();
    ASSERT_EQ(shell.properties.size(), 1u);
    EXPECT_EQ(shell.properties[0], u"/edited/by/hand.txt");
}

TEST_F(MenuTest, ReadmeIsShownLineByLineOrItsAbsenceReported) {
    auto& f = load();
    f.mnuhelpreadme.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_EQ(messages.shown[0].title, u"ぺりん");
    EXPECT_NE(messages.shown[0].prompt.find(text::fromPath(dir / "readme.txt")), Text::npos);
    EXPECT_TRUE(windows.notepad.empty());

    writeFile("readme.txt", "一行目\r\n二行目\r\n三行目");
    f.mnuhelpreadme.click();
    ASSERT_EQ(windows.notepad.size(), 1u);
    EXPECT_EQ(windows.notepad[0], u"一行目\r\n二行目\r\n三行目\r\n");
    EXPECT_TRUE(windows.notepadFiles[0].empty());  // saved only under a name the user chooses
}

TEST_F(MenuTest, WindowsAndInternetOptions) {
    auto& f = load();
    f.mnuoptioncharcter.click();
    f.mnuhelpver.click();
    f.mnuhelpver.click();
    EXPECT_EQ(windows.characterDialog, 1);
    EXPECT_EQ(windows.versionWindow, 2);
    EXPECT_FALSE(f.mnuhelphelp.enabled);

    f.mnuoptioninternetoption.click();
    EXPECT_TRUE(messages.shown.empty());
    shell.hasInternetOptions = false;
    f.mnuoptioninternetoption.click();
    EXPECT_EQ(shell.internetOptionsShown, 2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_EQ(messages.shown[0].title, u"ぺりん");
}

TEST_F(MenuTest, ControlsAreListedOnceWithTheirContainers) {
    auto& f = load();
    std::set<std::string> names;
    for (const form::ControlEntry& e : f.controls()) {
        EXPECT_TRUE(names.insert(e.name()).second) << e.name();
        if (e.container) {  // containers come first
            EXPECT_TRUE(names.count(e.container->name)) << e.name();
        }
    }
    EXPECT_EQ(f.controls().find<form::Button>("SubFoword"), &f.SubFoword);
    EXPECT_EQ(f.controls().find<form::MenuItem>("mnuoptionhozonAuto")->caption, u"自動保存(&A)");
    EXPECT_EQ(f.controls().find<form::Label>("SampleFont2")->caption, u"サンプルで～す");
    EXPECT_EQ(f.controls().find<form::TextBox>("CText3")->maxLength, 6);
    EXPECT_EQ(f.controls().find<form::Label>("CText3"), nullptr);  // a text box, not a label
    EXPECT_TRUE(names.count("Image4") && names.count("mnuhelphai1") && names.count("Label91"));
}

}  // namespace
}  // namespace pelin::testing
