// The notepad driven through its handlers with a fake clipboard, message box
// and the main window's dialog.
#include "notepad/form4.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/temp_dir.h"

namespace pelin::notepad {
namespace {

using testing::TempDir;

class NotepadTest : public ::testing::Test {
protected:
    testing::RecordingMessages messages;
    testing::FakeClipboard clipboard;
    testing::ScriptedDialogs dialogs;
    form::CommonDialog commonDialog{dialogs};
    Text htmlFilePass;
    TempDir dir;
    Form4 form{messages, clipboard,
               {[this] { return htmlFilePass; }, [this]() -> form::CommonDialog& { return commonDialog; }}};

    void select(std::int32_t start, std::int32_t length) {
        form.Text1.selStart = start;
        form.Text1.selLength = length;
    }
    bool editStates(bool cut, bool copy, bool paste, bool del) const {
        return form.mnueditt.enabled == cut && form.mnueditcut.enabled == copy &&
               form.mnueditpaste.enabled == paste && form.mnueditdel.enabled == del;
    }
};

TEST_F(NotepadTest, MenusInOrderWithCaptionsAndShortcuts) {
    std::vector<std::string> names;
    for (const auto& entry : form.menus()) names.push_back(entry.item->name);
    EXPECT_EQ(names, (std::vector<std::string>{"mnufile", "mnufilea", "mnufileb", "mnufilehai1", "mnufileend",
                                               "mnuedit", "mnueditun", "mnuedithai1", "mnueditt", "mnueditcut",
                                               "mnueditpaste", "mnueditdel", "mnuedithai2", "mnueditall",
                                               "mnuedithai3", "mnueditsentou"}));
    EXPECT_EQ(form.mnueditcut.caption, u"コピー(&C)");
    EXPECT_EQ(form.mnueditt.shortcut, u"Ctrl+X");
    EXPECT_EQ(form.mnueditdel.shortcut, u"Del");
    EXPECT_TRUE(form.mnuedithai2.separator);
    for (const auto& entry : form.menus()) EXPECT_TRUE(entry.item->enabled) << entry.item->name;
}

TEST_F(NotepadTest, OpeningEditFollowsSelectionAndClipboard) {
    form.Text1.setText(u"hello world");
    form.mnuedit.click();
    EXPECT_TRUE(editStates(false, false, false, false));
    EXPECT_TRUE(form.mnueditun.enabled && form.mnueditall.enabled && form.mnueditsentou.enabled);

    select(0, 5);
    clipboard.content = u"x";
    // The states hold until the menu opens again.
    EXPECT_TRUE(editStates(false, false, false, false));
    form.mnuedit.click();
    EXPECT_TRUE(editStates(true, true, true, true));

    clipboard.content.clear();  // empty, or a picture only
    select(3, 0);
    form.mnuedit.click();
    EXPECT_TRUE(editStates(false, false, false, false));
}

TEST_F(NotepadTest, CutCopyPasteDeleteOnTheSelection) {
    form.Text1.setText(u"ぺりん\r\nabc");
    clipboard.content = u"old";
    select(5, 2);
    form.mnueditdel.click();  // 削除 keeps the clipboard
    EXPECT_EQ(form.Text1.text, u"ぺりん\r\nc");
    EXPECT_EQ(clipboard.content, u"old");

    select(0, 3);
    form.mnueditcut.click();  // コピー
    EXPECT_EQ(clipboard.content, u"ぺりん");
    EXPECT_EQ(form.Text1.text, u"ぺりん\r\nc");

    select(3, 2);
    form.mnueditt.click();  // 切り取り
    EXPECT_EQ(clipboard.content, u"\r\n");
    EXPECT_EQ(form.Text1.text, u"ぺりんc");
    EXPECT_EQ(form.Text1.selStart, 3);

    clipboard.content = u"1\n2";  // the platform's line ends become CR LF
    select(3, 0);
    form.mnueditpaste.click();
    EXPECT_EQ(form.Text1.text, u"ぺりん1\r\n2c");
    EXPECT_EQ(form.Text1.selStart, 7);

    select(0, 0);
    form.mnueditcut.click();  // copying nothing keeps the clipboard
    form.mnueditt.click();
    EXPECT_EQ(clipboard.content, u"1\n2");

    select(-4, 99);  // a selection past the text is kept inside it
    EXPECT_EQ(form.selectedText(), u"ぺりん1\r\n2c");
    form.mnueditall.click();
    EXPECT_EQ(form.Text1.selStart, 0);
    EXPECT_EQ(form.Text1.selLength, 8);
}

TEST_F(NotepadTest, ProperCaseTakesTheWholeTextWhateverTheSelection) {
    form.Text1.setText(u"hELLO wORLD");
    select(6, 5);
    form.mnueditsentou.click();
    EXPECT_EQ(form.Text1.text, u"Hello World");
    EXPECT_EQ(form.Text1.selStart, 6);
    EXPECT_EQ(form.Text1.selLength, 5);
}

TEST_F(NotepadTest, UndoIsTheEditorsOwn) {
    int undone = 0;
    form.mnueditun.click();  // no editor attached: nothing happens
    form.onUndo = [&] { ++undone; };
    form.mnueditun.click();
    EXPECT_EQ(undone, 1);
}

TEST_F(NotepadTest, OverwriteSaveAddsOneLineEndEachTime) {
    const auto page = dir.write("page.htm", "<HTML>\r\n\x83\x79\x83\x8a\x83\x93\r\n</HTML>");
    htmlFilePass = text::fromPath(page);
    // As the main window opens it: every line followed by CR LF.
    form.Text1.setText(u"<HTML>\r\nペリン\r\n</HTML>\r\n");
    form.mnufilea.click();
    EXPECT_EQ(form.SavePath, htmlFilePass);
    EXPECT_EQ(TempDir::read(page), "<HTML>\r\n\x83\x79\x83\x8a\x83\x93\r\n</HTML>\r\n\r\n");
    // Saving again writes the window's text again: the file does not grow.
    form.mnufilea.click();
    EXPECT_EQ(TempDir::read(page), "<HTML>\r\n\x83\x79\x83\x8a\x83\x93\r\n</HTML>\r\n\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NotepadTest, SaveAsUsesTheMainDialogAndKeepsHtmlFilePass) {
    htmlFilePass = text::fromPath(dir / "page.htm");
    commonDialog.InitDir = u"/start";
    commonDialog.FilterIndex = 2;
    dialogs.chooseFile(dir / "copy.txt");
    form.Text1.setText(u"text");
    form.mnufileb.click();

    ASSERT_EQ(dialogs.calls.size(), 1u);
    const testing::DialogCall& call = dialogs.calls[0];
    EXPECT_EQ(call.kind, "save");
    EXPECT_EQ(call.title, u"名前を付けて保存");
    EXPECT_EQ(call.flags, 2);
    EXPECT_EQ(call.filter, u"テキストファイル、HTMLファイル(*.txt,*.htm,*.html)|*.txt;*.htm;*.html|すべてのファイル(*.*)|*.*|");
    EXPECT_EQ(call.defaultExt, u"txt");
    EXPECT_EQ(call.initDir, u"/start");  // left as its last use left it
    EXPECT_EQ(call.filterIndex, 2);
    EXPECT_EQ(TempDir::read(dir / "copy.txt"), "text\r\n");
    EXPECT_EQ(htmlFilePass, text::fromPath(dir / "page.htm"));

    // 上書き保存 afterwards goes to the converted page, not to the name chosen.
    form.mnufilea.click();
    EXPECT_EQ(TempDir::read(dir / "page.htm"), "text\r\n");
    EXPECT_EQ(TempDir::read(dir / "copy.txt"), "text\r\n");
}

TEST_F(NotepadTest, CancelledSaveAsWritesNothing) {
    form.SavePath = u"before";
    commonDialog.FileName = text::fromPath(dir / "last.txt");  // a name left by an earlier use
    form.Text1.setText(u"text");
    form.mnufileb.click();
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(form.SavePath, u"before");
    EXPECT_FALSE(std::filesystem::exists(dir / "last.txt"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NotepadTest, ReadOnlyTargetIsRefusedAndKept) {
    const auto page = dir.write("page.htm", "original");
    testing::makeReadOnly(page);
    htmlFilePass = text::fromPath(page);
    form.Text1.setText(u"edited");
    form.mnufilea.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 0);
    EXPECT_EQ(messages.shown[0].title, u"ぺりん");
    EXPECT_NE(messages.shown[0].prompt.find(htmlFilePass), Text::npos);
    EXPECT_GT(messages.shown[0].prompt.size(), htmlFilePass.size() + 2);  // the system's reason comes first
    EXPECT_EQ(TempDir::read(page), "original");
    EXPECT_EQ(form.Text1.text, u"edited");
}

TEST_F(NotepadTest, MissingFolderAndEmptyPathReportTheFailure) {
    htmlFilePass = text::fromPath(dir / "no" / "page.htm");
    form.mnufilea.click();
    htmlFilePass.clear();  // opened from the readme before any conversion
    form.mnufilea.click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].prompt, u"保存先のファイル名がありません。");
    EXPECT_FALSE(std::filesystem::exists(dir / "no"));
}

TEST_F(NotepadTest, CharacterOutsideTheCodePageStopsTheSave) {
    const auto page = dir.write("page.htm", "original");
    htmlFilePass = text::fromPath(page);
    form.Text1.setText(u"ok \U0001F600 and é");
    form.mnufilea.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_NE(messages.shown[0].prompt.find(u"「\U0001F600」(U+1F600)"), Text::npos);
    EXPECT_EQ(TempDir::read(page), "original");

    // Bytes that were no valid character when read are written back unchanged.
    form.Text1.setText(Text(u"a") + static_cast<char16_t>(text::kRawByteBase + 0x81));
    form.mnufilea.click();
    EXPECT_EQ(TempDir::read(page), "a\x81\r\n");
}

TEST_F(NotepadTest, CloseAsksNothing) {
    int closed = 0;
    form.onClose = [&] { ++closed; };
    form.Text1.setText(u"unsaved");
    form.mnufileend.click();
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace pelin::notepad
