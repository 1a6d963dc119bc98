// The notepad on real windows: made from its model, typing and menu commands
// reaching the model, saving, closing, and the program's one notepad.
#include "notepad/win32/program_notepad.h"

#include <gtest/gtest.h>

#include "form/win32/control_name.h"
#include "form/win32/window_text.h"
#include "platform/files.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "text/page_charset.h"
#include "text/textfile.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::notepad::win32 {
namespace {

class Win32NotepadWindow : public ::testing::Test {
protected:
    void SetUp() override { form::win32::Binder::setStrict(true); }

    testing::RecordingMessages messages;
    testing::FakeClipboard clipboard;
    testing::FakeShell shell;
    NotepadServices services{messages, clipboard, shell};
    testing::TempDir folder;
};

void type(HWND editor, const wchar_t* typed) {
    SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed));
}

// What choosing the item in the window's menu sends.
void choose(NotepadWindow& window, const form::MenuItem& item) {
    const UINT command = window.binder().commandOf(item);
    ASSERT_NE(command, 0u) << item.name;
    SendMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// The program's message loop, until the queue is empty: menu shortcuts, then
// the keys of dialog navigation.
void runPostedMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (form::win32::Binder::translateAccelerator(message)) continue;
        if (message.hwnd && IsDialogMessageW(GetAncestor(message.hwnd, GA_ROOT), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

Text shownText(HWND window) { return form::win32::windowText(window); }

TEST_F(Win32NotepadWindow, EveryControlHasItsWindowOrMenuItemAndTheEditorFillsTheWindow) {
    NotepadWindow window(services, {});
    EXPECT_EQ(shownText(window.handle()), Form4::kCaption);
    HMENU bar = GetMenu(window.handle());
    ASSERT_NE(bar, nullptr);
    for (const form::ControlEntry& entry : window.model().controls()) {
        if (const auto* item = entry.as<form::MenuItem>()) {
            if (HMENU popup = window.binder().menuOf(*item)) {
                bool inBar = false;
                for (int i = 0; i < GetMenuItemCount(bar); ++i) inBar = inBar || GetSubMenu(bar, i) == popup;
                EXPECT_TRUE(inBar) << entry.name();
            } else {
                EXPECT_NE(GetMenuState(bar, window.binder().commandOf(*item), MF_BYCOMMAND), UINT(-1)) << entry.name();
            }
        } else {
            EXPECT_EQ(form::win32::findControl(window.handle(), entry.name()), window.editor()) << entry.name();
        }
    }
    SetWindowPos(window.handle(), nullptr, 0, 0, 700, 520, SWP_NOMOVE | SWP_NOZORDER);
    RECT client, editor;
    GetClientRect(window.handle(), &client);
    GetWindowRect(window.editor(), &editor);
    MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&editor), 2);
    EXPECT_TRUE(EqualRect(&client, &editor));
}

TEST_F(Win32NotepadWindow, TypedTextGoesThroughSelectAllCopyPasteAndUndo) {
    NotepadWindow window(services, {});
    window.open(u"", u"");
    type(window.editor(), L"ぺりん\r\nメモ");
    choose(window, window.model().mnueditall);
    choose(window, window.model().mnueditcut);  // コピー
    EXPECT_EQ(clipboard.content, u"ぺりん\r\nメモ");

    clipboard.content = u"貼った";
    choose(window, window.model().mnueditpaste);
    EXPECT_EQ(shownText(window.editor()), u"貼った");
    EXPECT_EQ(window.model().Text1.text, u"貼った");
    // The paste is one edit the editor's own undo takes back, and the model hears of it.
    choose(window, window.model().mnueditun);
    EXPECT_EQ(shownText(window.editor()), u"ぺりん\r\nメモ");
    EXPECT_EQ(window.model().Text1.text, u"ぺりん\r\nメモ");
}

TEST_F(Win32NotepadWindow, SaveWritesTheTypedTextAndClosingAsksAboutUnsavedEdits) {
    const std::filesystem::path page = folder / "page.html";
    NotepadWindow window(services, {});
    window.open(u"<p>a</p>\r\n", text::fromPath(page));
    SendMessageW(window.editor(), EM_SETSEL, 10, 10);
    type(window.editor(), L"追記");
    choose(window, window.model().mnufilea);
    EXPECT_EQ(platform::readFile(page).value(), text::encodeIn(text::PageCharset::Cp932, u"<p>a</p>\r\n追記\r\n"));
    EXPECT_TRUE(messages.shown.empty());

    type(window.editor(), L"!");
    messages.answers = {form::kAnswerCancel};
    PostMessageW(window.handle(), WM_CLOSE, 0, 0);
    runPostedMessages();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, u"変更を保存しますか？");
    EXPECT_TRUE(IsWindow(window.handle()));

    messages.answers = {form::kAnswerNo};
    choose(window, window.model().mnufileend);  // 閉じる
    runPostedMessages();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(window.closed());
    EXPECT_EQ(window.handle(), nullptr);
}

TEST_F(Win32NotepadWindow, TheEditorKeepsItsDeleteAndEscKeys) {
    NotepadWindow window(services, {});
    window.open(u"abcd", u"");
    const auto press = [&window](WPARAM key) {
        PostMessageW(window.editor(), WM_KEYDOWN, key, 1);
        runPostedMessages();
    };
    const auto pressDelete = [&press] { press(VK_DELETE); };
    SendMessageW(window.editor(), EM_SETSEL, 1, 1);
    pressDelete();
    EXPECT_EQ(window.model().Text1.text, u"acd");
    // A selection is 削除's, through its shortcut.
    SendMessageW(window.editor(), EM_SETSEL, 1, 3);
    pressDelete();
    EXPECT_EQ(shownText(window.editor()), u"a");
    EXPECT_EQ(window.model().Text1.text, u"a");
    // Esc, a dialog's close key, leaves the window as it is.
    press(VK_ESCAPE);
    EXPECT_FALSE(window.closed());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Win32NotepadWindow, TheProgramHasOneNotepadWhoseSaveAsUsesTheMainWindowsDialog) {
    testing::ScriptedDialogs ownDialogs, mainDialogs;
    form::CommonDialog mainDialog(mainDialogs);
    ProgramNotepad notepad(services, ownDialogs);
    notepad.linkMainWindow({[&mainDialog]() -> form::CommonDialog& { return mainDialog; }});
    notepad.show(u"one\r\n", u"");
    NotepadWindow* first = notepad.window();
    ASSERT_NE(first, nullptr);
    notepad.show(u"two\r\n", u"");
    EXPECT_EQ(notepad.window(), first);
    EXPECT_TRUE(IsWindowVisible(first->handle()));
    EXPECT_EQ(shownText(first->editor()), u"two\r\n");

    mainDialogs.chooseFile(folder / "saved.txt");
    choose(*first, first->model().mnufileb);
    EXPECT_EQ(platform::readFile(folder / "saved.txt").value(), "two\r\n\r\n");
    EXPECT_EQ(mainDialogs.calls.size(), 1u);
    EXPECT_TRUE(ownDialogs.calls.empty());

    // Closed, it comes back as a new window.
    SendMessageW(first->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(notepad.window(), nullptr);
    notepad.show(u"three\r\n", u"");
    ASSERT_NE(notepad.window(), nullptr);
    EXPECT_EQ(shownText(notepad.window()->editor()), u"three\r\n");
}

}  // namespace
}  // namespace pelin::notepad::win32
