// The notepad window: its look, the editor and model kept in step through the
// menus, the editor's own undo, and its life beside the main window.
#include "notepad/qt/notepad_window.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>

#include "notepad/qt/program_notepad.h"
#include "support/fakes.h"
#include "support/qt_test_support.h"
#include "support/temp_dir.h"
#include "support/window_shot.h"
#include "text/textfile.h"

namespace pelin::notepad::qt {
namespace {

using testing::TempDir;

class NotepadWindowTest : public ::testing::Test {
protected:
    TempDir dir;
    testing::ScriptedDialogs dialogs;
    form::CommonDialog dialog{dialogs};
    QPointer<NotepadWindow> window = new NotepadWindow({[this]() -> form::CommonDialog& { return dialog; }});

    ~NotepadWindowTest() override { delete window.data(); }
    QAction* action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }
    QPlainTextEdit& editor() { return *window->editor(); }
    void select(int from, int to) {
        QTextCursor cursor = editor().textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor().setTextCursor(cursor);
    }
    void openEditMenu() { window->runCommand(window->model().mnuedit); }
};

TEST_F(NotepadWindowTest, LooksAsDrawn) {
    window->open(u"<HTML>\r\n<BODY>\r\nぺりんのページ\r\n</BODY>\r\n</HTML>\r\n");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->objectName(), "Form4");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ぺりん－メモ帳"));
    EXPECT_EQ(window->parent(), nullptr);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->centralWidget(), &editor());
    EXPECT_EQ(editor().objectName(), "Text1");
    EXPECT_EQ(editor().size(), QSize(586, 329));
    EXPECT_DOUBLE_EQ(editor().font().pointSizeF(), 9.75);
    window->resize(300, 200);  // the editor fills the client area whatever its size
    QTest::qWait(10);
    EXPECT_EQ(editor().width(), 300);

    QStringList menus, items;
    for (QAction* top : window->menuBar()->actions()) {
        menus << top->text();
        for (QAction* a : top->menu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text() + u' ' + a->shortcut().toString());
    }
    EXPECT_EQ(menus, (QStringList{"ファイル(&F)", "編集(&E)"}));
    EXPECT_EQ(items, (QStringList{"上書き保存(&A) ", "ブラウザで確認(&V) ", "名前をつけて保存(&B) ", "-", "閉じる(&E) ",
                                  "元に戻す(&U) Ctrl+Z", "-", "切り取り(&T) Ctrl+X", "コピー(&C) Ctrl+C",
                                  "貼り付け(&P) Ctrl+V", "削除(&D) Del", "-", "すべての範囲を選択(&A) Ctrl+A", "-",
                                  "英単語の先頭を大文字変換 Ctrl+U"}));
    window->resize(586, 329 + window->menuBar()->height());
    testing::saveShot(*window, "notepad");
    // The 編集 menu opened with nothing selected.
    QMenu* edit = window->findChild<QMenu*>(QStringLiteral("mnuedit"));
    edit->popup(window->mapToGlobal(QPoint(80, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    EXPECT_FALSE(action("mnueditt")->isEnabled());
    testing::saveShot(*edit, "notepad-edit-menu");
    edit->hide();
}

TEST_F(NotepadWindowTest, EditMenuFollowsTheEditorsSelectionAndTheClipboard) {
    window->open(u"hello\r\nworld\r\n");
    QGuiApplication::clipboard()->clear();
    openEditMenu();
    for (const char* name : {"mnueditt", "mnueditcut", "mnueditpaste", "mnueditdel"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("mnueditun")->isEnabled());

    select(3, 8);  // "lo\nwo" in the editor
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    openEditMenu();
    EXPECT_EQ(window->model().Text1.selStart, 3);
    EXPECT_EQ(window->model().Text1.selLength, 6);  // CR LF counts two
    for (const char* name : {"mnueditt", "mnueditcut", "mnueditpaste", "mnueditdel"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
}

TEST_F(NotepadWindowTest, CommandsChangeTheEditorAsOneUndoableEdit) {
    window->open(u"hello\r\nworld\r\n");
    select(3, 8);
    action("mnueditt")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("lo\r\nwo"));
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("helrld\n"));
    EXPECT_EQ(editor().textCursor().position(), 3);

    QTest::keyClicks(&editor(), "ABC");  // typed by the user: "helABCrld"
    action("mnueditsentou")->trigger();
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("Helabcrld\n"));
    EXPECT_EQ(window->model().Text1.text, u"Helabcrld\r\n");

    action("mnueditun")->trigger();  // the editor's own undo takes back the capitals
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("helABCrld\n"));
    action("mnueditall")->trigger();
    EXPECT_EQ(editor().textCursor().selectedText().size(), 10);
    action("mnueditpaste")->trigger();
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("lo\nwo"));
}

TEST_F(NotepadWindowTest, UntouchedLineEndsAreKept) {
    // A lone LF stays inside its line when the main window reads the page.
    const auto page = dir.write("page.htm", "a\nb\r\nc");
    window->open(u"a\nb\r\nc\r\n", text::fromPath(page));
    action("mnueditsentou")->trigger();
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("A\nB\nC\n"));
    editor().moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor(), "!");  // typed by the user
    action("mnufilea")->trigger();
    EXPECT_EQ(TempDir::read(page), "A\nB\r\nC\r\n!\r\n");
}

TEST_F(NotepadWindowTest, SeparateEditsLeaveTheLinesBetweenThemAsTheyWere) {
    const auto page = dir.write("page.htm", "1\n2\n3\n4\n5\n6\n7\n8\n");
    window->open(u"1\n2\n3\n4\n5\n6\n7\n8\n", text::fromPath(page));
    auto typeAt = [this](int position, const char* keys) {
        select(position, position);
        QTest::keyClicks(&editor(), keys);
    };
    typeAt(3, "b");   // the end of line 2
    typeAt(12, "f");  // the end of line 6
    action("mnufilea")->trigger();
    EXPECT_EQ(TempDir::read(page), "1\n2b\n3\n4\n5\n6f\n7\n8\n\r\n");

    // A line added, one taken away and a third edit, with untouched lines between.
    typeAt(0, "0");  // "01"
    select(10, 12);  // "5\n" goes
    QTest::keyClick(&editor(), Qt::Key_Delete);
    typeAt(7, "x");  // "3x"
    select(15, 15);  // after "7": a new line, ended as the program ends lines
    QTest::keyClick(&editor(), Qt::Key_Return);
    action("mnufilea")->trigger();
    EXPECT_EQ(TempDir::read(page), "01\n2b\n3x\n4\n6f\n7\r\n\n8\n\r\n");
}

TEST_F(NotepadWindowTest, ShortcutsReachTheCommands) {
    window->open(u"jean-luc it's\r\n");
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    editor().setFocus();
    QTest::keyClick(&editor(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("Jean-luc It's\n"));
    // Ctrl+Z is the editor's own undo, whichever of the two takes the key.
    QTest::keyClick(&editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("jean-luc it's\n"));
}

TEST_F(NotepadWindowTest, SavesWhatWasTyped) {
    const auto page = dir.write("page.htm", "old\r\n");
    window->open(u"old\r\n", text::fromPath(page));
    editor().moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor(), "new");
    action("mnufilea")->trigger();
    EXPECT_EQ(TempDir::read(page), "old\r\nnew\r\n");

    dialogs.chooseFile(dir / "copy.txt");
    action("mnufileb")->trigger();
    EXPECT_EQ(TempDir::read(dir / "copy.txt"), "old\r\nnew\r\n");
}

TEST_F(NotepadWindowTest, ClosingWithUnsavedEditsAsksFirst) {
    const auto page = dir.write("page.htm", "page");
    window->open(u"page\r\n", text::fromPath(page));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    editor().moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor(), "unsaved");

    testing::whenModalOpens([](QWidget& modal) {
        testing::saveShot(modal, "notepad-save-question");
        static_cast<QMessageBox&>(modal).button(QMessageBox::Cancel)->click();
    });
    action("mnufileend")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("page\nunsaved"));

    testing::whenModalOpens([](QWidget& modal) { static_cast<QMessageBox&>(modal).button(QMessageBox::No)->click(); });
    window->close();  // the close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(TempDir::read(page), "page");
}

TEST_F(NotepadWindowTest, TheEndOfTheSessionAsksAboutUnsavedEditsAsClosingDoes) {
    const auto page = dir.write("page.htm", "page");
    window->open(u"page\r\n", text::fromPath(page));
    EXPECT_TRUE(window->sessionMayEnd(false));  // nothing to lose
    editor().moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor(), "unsaved");

    EXPECT_FALSE(window->sessionMayEnd(false));  // may not ask: the session waits
    testing::whenModalOpens([](QWidget& modal) {
        EXPECT_EQ(static_cast<QMessageBox&>(modal).text(), QStringLiteral("変更を保存しますか？"));
        static_cast<QMessageBox&>(modal).button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(window->sessionMayEnd(true));
    testing::whenModalOpens([](QWidget& modal) { static_cast<QMessageBox&>(modal).button(QMessageBox::Yes)->click(); });
    EXPECT_TRUE(window->sessionMayEnd(true));
    EXPECT_EQ(TempDir::read(page), "page\r\nunsaved\r\n");
}

TEST(ProgramNotepad, OneWindowThatOutlivesTheMainWindow) {
    TempDir dir;
    const auto page = dir.write("page.htm", "");
    testing::ScriptedDialogs ownDialogs, mainDialogs;
    ProgramNotepad notepad(ownDialogs);
    // The main window as the program links it: its dialog.
    form::CommonDialog mainDialog(mainDialogs);
    notepad.linkMainWindow({[&mainDialog]() -> form::CommonDialog& { return mainDialog; }});

    notepad.show(u"first\r\n", u"");
    QPointer<NotepadWindow> window = notepad.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parent(), nullptr);
    notepad.show(u"second\r\n", text::fromPath(page));
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += qobject_cast<NotepadWindow*>(w) != nullptr;
    EXPECT_EQ(count, 1);
    EXPECT_EQ(notepad.window(), window);
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("second\n"));

    // The main window's dialog is the one save-as borrows; after the main window
    // is gone, save-as has a dialog of its own.
    window->runCommand(window->model().mnufileb);
    EXPECT_EQ(mainDialog.DialogTitle, u"名前を付けて保存");
    EXPECT_TRUE(ownDialogs.calls.empty());
    notepad.unlinkMainWindow();
    window->runCommand(window->model().mnufileb);
    EXPECT_EQ(ownDialogs.calls.size(), 1u);
    EXPECT_EQ(mainDialogs.calls.size(), 1u);

    // Unsaved edits kept (ｷｬﾝｾﾙ) keep the next text from being shown.
    window->editor()->insertPlainText(QStringLiteral("edited "));
    testing::whenModalOpens([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
    notepad.show(u"readme\r\n", u"");
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("edited second\n"));
    EXPECT_EQ(window->model().DocumentPath, text::fromPath(page));
    delete window.data();
}

}  // namespace
}  // namespace pelin::notepad::qt
