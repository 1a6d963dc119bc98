// The notepad driven through its handlers with a fake clipboard, message box
// and the main window's dialog.
#include "notepad/form4.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/temp_dir.h"
#include "text/editor_text.h"
#include "text/file_url.h"

namespace pelin::notepad {
namespace {

using testing::TempDir;

class NotepadTest : public ::testing::Test {
protected:
    testing::RecordingMessages messages;
    testing::FakeClipboard clipboard;
    testing::ScriptedDialogs dialogs;
    form::CommonDialog commonDialog{dialogs};
    TempDir dir;
    testing::FakeShell shell;
    Form4 form{messages, clipboard, shell, {[this]() -> form::CommonDialog& { return commonDialog; }}};

    void select(std::int32_t start, std::int32_t length) {
        form.Text1.selStart = start;
        form.Text1.selLength = length;
    }
    // A page as the main window opens it: every line followed by CR LF.
    std::filesystem::path openPage(const char* name, std::string_view bytes, TextView shown) {
        const auto path = dir.write(name, bytes);
        EXPECT_TRUE(form.Open(shown, text::fromPath(path)));
        return path;
    }
    // The unsaved-edit question, answered with `answer`.
    void answer(int a) { messages.answers.push_back(a); }
    bool asked(std::size_t count) const {
        if (messages.shown.size() != count) return false;
        const testing::Message& m = messages.shown.back();
        return m.prompt == u"変更を保存しますか？" && m.flags == 35 && m.title == u"ぺりん－メモ帳";
    }
    bool editStates(bool cut, bool copy, bool paste, bool del) const {
        return form.mnueditt.enabled == cut && form.mnueditcut.enabled == copy && form.mnueditpaste.enabled == paste &&
               form.mnueditdel.enabled == del;
    }
};

TEST_F(NotepadTest, MenusInOrderWithCaptionsAndShortcuts) {
    std::vector<std::string> names;
    for (const auto& entry : form.controls())
        if (entry.is<form::MenuItem>()) names.push_back(entry.name());
    EXPECT_EQ(names,
              (std::vector<std::string>{"mnufile", "mnufilea", "mnufilebrowse", "mnufileb", "mnufilehai1", "mnufileend",
                                        "mnuedit", "mnueditun", "mnuedithai1", "mnueditt", "mnueditcut", "mnueditpaste",
                                        "mnueditdel", "mnuedithai2", "mnueditall", "mnuedithai3", "mnueditsentou"}));
    EXPECT_EQ(form.mnueditcut.caption, u"コピー(&C)");
    EXPECT_EQ(form.mnueditt.shortcut, u"Ctrl+X");
    EXPECT_EQ(form.mnueditdel.shortcut, u"Del");
    EXPECT_TRUE(form.mnuedithai2.separator);
    // All but looking at the file in a browser, for a text that has none yet.
    for (const auto& entry : form.controls())
        EXPECT_EQ(entry.base().enabled, entry.name() != "mnufilebrowse") << entry.name();
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
    const auto page =
        openPage("page.htm", "<HTML>\r\n\x83\x79\x83\x8a\x83\x93\r\n</HTML>", u"<HTML>\r\nペリン\r\n</HTML>\r\n");
    EXPECT_FALSE(form.modified());
    form.mnufilea.click();
    EXPECT_EQ(form.SavePath, text::fromPath(page));
    EXPECT_EQ(TempDir::read(page), "<HTML>\r\n\x83\x79\x83\x8a\x83\x93\r\n</HTML>\r\n\r\n");
    // Saving again writes the window's text again: the file does not grow.
    form.mnufilea.click();
    EXPECT_EQ(TempDir::read(page), "<HTML>\r\n\x83\x79\x83\x8a\x83\x93\r\n</HTML>\r\n\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NotepadTest, TheBrowserShowsTheFileAsSavedOnceUnsavedEditsAreSettled) {
    const auto page = openPage("page.htm", "old", u"old\r\n");
    ASSERT_TRUE(form.mnufilebrowse.enabled);
    const Text address = text::fileUrl(page);

    form.Text1.setText(u"kept back\r\n");
    answer(form::kAnswerCancel);  // nothing is looked at
    form.mnufilebrowse.click();
    EXPECT_TRUE(asked(1));
    EXPECT_TRUE(shell.opened.empty());

    answer(form::kAnswerNo);  // the file as it was saved
    form.mnufilebrowse.click();
    EXPECT_TRUE(asked(2));
    EXPECT_EQ(shell.opened, std::vector<Text>{address});
    EXPECT_EQ(TempDir::read(page), "old");

    answer(form::kAnswerYes);  // saved, then looked at
    form.mnufilebrowse.click();
    EXPECT_TRUE(asked(3));
    EXPECT_EQ(shell.opened, (std::vector<Text>{address, address}));
    EXPECT_EQ(TempDir::read(page), "kept back\r\n\r\n");

    // A text of no file has nothing a browser could show.
    ASSERT_TRUE(form.Open(u"readme\r\n", u""));
    EXPECT_FALSE(form.mnufilebrowse.enabled);
}

TEST_F(NotepadTest, LinesTheUserDidNotTouchKeepTheirLineEnds) {
    const auto page = openPage("page.htm", "<P>\none\ntwo\r\nthree\n</P>", u"<P>\none\ntwo\r\nthree\n</P>\r\n");
    // The editor shows every break as "\n"; the user types on the third line and
    // breaks the fourth in two.
    form.Text1.text = text::withEditorText(form.Text1.text, u"<P>\none\ntwo!\nthr\nee\n</P>\n");
    form.mnufilea.click();
    EXPECT_EQ(TempDir::read(page), "<P>\none\ntwo!\r\nthr\r\nee\n</P>\r\n\r\n");
    // Joining two lines takes the break between them, whatever it was.
    form.Text1.text = text::withEditorText(form.Text1.text, u"<P>\nonetwo!\nthr\nee\n</P>\n");
    EXPECT_EQ(form.Text1.text, u"<P>\nonetwo!\r\nthr\r\nee\n</P>\r\n");
}

TEST_F(NotepadTest, SaveAsUsesTheMainDialogAndTheTextThenBelongsToTheNewFile) {
    const auto page = openPage("page.htm", "page", u"page\r\n");
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
    EXPECT_EQ(call.filter,
              u"テキストファイル、HTMLファイル(*.txt,*.htm,*.html)|*.txt;*.htm;*.html|すべてのファイル(*.*)|*.*|");
    EXPECT_EQ(call.defaultExt, u"txt");
    EXPECT_EQ(call.initDir, u"/start");  // left as its last use left it
    EXPECT_EQ(call.filterIndex, 2);
    EXPECT_EQ(TempDir::read(dir / "copy.txt"), "text\r\n");
    EXPECT_FALSE(form.modified());

    // 上書き保存 afterwards goes to the name chosen; the page stays as it was.
    form.Text1.setText(u"more");
    form.mnufilea.click();
    EXPECT_EQ(TempDir::read(dir / "copy.txt"), "more\r\n");
    EXPECT_EQ(TempDir::read(page), "page");
    EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(NotepadTest, TheReadmeIsSavedOnlyUnderANameTheUserChooses) {
    const auto page = openPage("page.htm", "page", u"page\r\n");
    ASSERT_TRUE(form.Open(u"readme\r\n", u""));
    commonDialog.FileName = text::fromPath(page);  // the main window's last choice
    dialogs.chooseFile(dir / "notes.txt");
    form.mnufilea.click();  // asks for a name as 名前をつけて保存 does
    EXPECT_EQ(dialogs.calls.at(0).title, u"名前を付けて保存");
    EXPECT_TRUE(dialogs.calls.at(0).fileName.empty());  // proposes no page to write over
    EXPECT_EQ(TempDir::read(dir / "notes.txt"), "readme\r\n\r\n");
    EXPECT_EQ(TempDir::read(page), "page");
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
    EXPECT_TRUE(form.modified());
}

TEST_F(NotepadTest, ReadOnlyTargetIsRefusedAndKept) {
    const auto page = openPage("page.htm", "original", u"original\r\n");
    testing::makeReadOnly(page);
    form.Text1.setText(u"edited");
    form.mnufilea.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 0);
    EXPECT_EQ(messages.shown[0].title, u"ぺりん");
    EXPECT_NE(messages.shown[0].prompt.find(text::fromPath(page)), Text::npos);
    EXPECT_GT(messages.shown[0].prompt.size(), text::fromPath(page).size() + 2);  // the system's reason comes first
    EXPECT_EQ(TempDir::read(page), "original");
    EXPECT_EQ(form.Text1.text, u"edited");
    EXPECT_TRUE(form.modified());
}

TEST_F(NotepadTest, MissingFolderReportsTheFailure) {
    ASSERT_TRUE(form.Open(u"text\r\n", text::fromPath(dir / "no" / "page.htm")));
    form.mnufilea.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(dir / "no"));
}

TEST_F(NotepadTest, CharacterOutsideTheCodePageStopsTheSaveAndIsSelected) {
    const auto page = openPage("page.htm", "original", u"original\r\n");
    form.Text1.setText(u"ok \U0001F600 and é");
    form.mnufilea.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_NE(messages.shown[0].prompt.find(u"「\U0001F600」(U+1F600)"), Text::npos);
    EXPECT_EQ(form.Text1.selStart, 3);
    EXPECT_EQ(form.Text1.selLength, 2);  // both halves of the pair
    EXPECT_EQ(TempDir::read(page), "original");

    // A no-break space looks like a space: only its code tells it apart.
    form.Text1.setText(u"a b\r\nc\u00A0d");
    form.mnufilea.click();
    EXPECT_NE(messages.shown.back().prompt.find(u"(U+00A0)"), Text::npos);
    EXPECT_EQ(form.Text1.selStart, 6);

    // Bytes that were no valid character when read are written back unchanged.
    form.Text1.setText(Text(u"a") + static_cast<char16_t>(text::kRawByteBase + 0x81));
    form.mnufilea.click();
    EXPECT_EQ(TempDir::read(page), "a\x81\r\n");
}

// A page goes back in the set it was written in, and a character that set
// cannot hold is refused as one outside code page 932 is.
TEST_F(NotepadTest, PageIsSavedBackInItsOwnSet) {
    const auto path = dir.write("page.htm", "");
    ASSERT_TRUE(form.Open(u"日本 \U0001F600\r\n", text::fromPath(path), text::PageCharset::Utf8));
    form.Text1.setText(form.Text1.text + u"ｱ");
    form.mnufilea.click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(TempDir::read(path), "日本 \U0001F600\r\nｱ\r\n");

    ASSERT_TRUE(form.Open(u"ｱ", text::fromPath(path), text::PageCharset::Iso2022Jp));
    form.Text1.setText(u"日本ｱ");
    form.mnufilea.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].prompt.find(u"「ｱ」(U+FF71) はこのファイルの文字コード (ISO-2022-JP)"), Text::npos);
    EXPECT_EQ(TempDir::read(path), "日本 \U0001F600\r\nｱ\r\n");
}

TEST_F(NotepadTest, ClosingAsksOnlyAboutUnsavedEdits) {
    const auto page = openPage("page.htm", "page", u"page\r\n");
    EXPECT_TRUE(form.Form_QueryUnload());
    form.Text1.setText(u"edited\r\n");
    form.Text1.setText(u"page\r\n");  // typed and taken back: nothing to lose
    EXPECT_TRUE(form.Form_QueryUnload());
    EXPECT_TRUE(messages.shown.empty());

    form.Text1.setText(u"edited\r\n");
    answer(form::kAnswerCancel);
    EXPECT_FALSE(form.Form_QueryUnload());
    EXPECT_TRUE(asked(1));
    answer(form::kAnswerNo);
    EXPECT_TRUE(form.Form_QueryUnload());
    EXPECT_TRUE(asked(2));
    EXPECT_EQ(TempDir::read(page), "page");

    answer(form::kAnswerYes);  // saved as 上書き保存 saves
    EXPECT_TRUE(form.Form_QueryUnload());
    EXPECT_TRUE(asked(3));
    EXPECT_EQ(TempDir::read(page), "edited\r\n\r\n");

    // Yes keeps the window open when nothing is saved: here a save-as cancelled.
    ASSERT_TRUE(form.Open(u"readme\r\n", u""));
    form.Text1.setText(u"edited");
    answer(form::kAnswerYes);
    EXPECT_FALSE(form.Form_QueryUnload());
    EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(NotepadTest, ANewTextReplacesTheOldOnlyOnceItsEditsAreSettled) {
    const auto page = openPage("page.htm", "page", u"page\r\n");
    form.Text1.setText(u"edited\r\n");
    answer(form::kAnswerCancel);
    EXPECT_FALSE(form.Open(u"readme\r\n", u""));
    EXPECT_EQ(form.Text1.text, u"edited\r\n");
    EXPECT_EQ(form.DocumentPath, text::fromPath(page));

    answer(form::kAnswerYes);
    const Text other = text::fromPath(dir.write("other.htm", "other"));
    EXPECT_TRUE(form.Open(u"other\r\n", other));
    EXPECT_EQ(TempDir::read(page), "edited\r\n\r\n");
    EXPECT_EQ(form.Text1.text, u"other\r\n");
    EXPECT_EQ(form.DocumentPath, other);
    EXPECT_FALSE(form.modified());
}

}  // namespace
}  // namespace pelin::notepad
