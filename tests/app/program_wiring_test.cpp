// The windows that need the main window, linked to it as the program does: the
// notepad shows its page and borrows its dialog, the character dialog gives it
// its picture.
#include "app/program_wiring.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "character/qt/character_dialog.h"
#include "form/qt/qt_text.h"
#include "form/qt/window_service.h"
#include "notepad/qt/notepad_window.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "text/textfile.h"

namespace pelin::app {
namespace {

using pelin::testing::TempDir;

class MainWindowLinks : public ::testing::Test {
protected:
    TempDir program;
    settings::SettingsFile ini{program.path()};
    pelin::testing::TestPlatform platform;
    form::Services services = platform.services();
    QPointer<wizard::qt::Form1Window> main = new wizard::qt::Form1Window(services, ini, {program.path(), false});

    ~MainWindowLinks() override { delete main.data(); }
};

TEST_F(MainWindowLinks, TheNotepadSavesToThePageItShowsAndNotOverTheNextOne) {
    // The main window's requests for the notepad reach the program's notepad.
    notepad::qt::ProgramNotepad notepad(platform.dialogs);
    form::qt::QtWindowService windows;
    windows.notepad = [notepad](form::TextView text, form::TextView file, text::PageCharset charset) mutable {
        notepad.show(text, file, charset);
    };
    form::Services withNotepad{platform.messages,  platform.dialogs, platform.pictures,
                               platform.clipboard, platform.shell,   windows};
    wizard::qt::Form1Window wizard(withNotepad, ini, {program.path(), false});
    linkNotepad(notepad, wizard);

    const auto first = program.write("first.htm", "first");
    const auto second = program.write("second.htm", "second");
    wizard.model().settings.HTMLFilePass = text::fromPath(first);
    wizard.model().EditBottan_Click();
    QPointer<notepad::qt::NotepadWindow> window = notepad.window();
    ASSERT_NE(window, nullptr);
    window->editor()->insertPlainText(QStringLiteral("edited "));

    // A second conversion names another page while the first is still shown.
    wizard.model().settings.HTMLFilePass = text::fromPath(second);
    window->runCommand(window->model().mnufilea);
    EXPECT_EQ(TempDir::read(first), "edited first\r\n\r\n");
    EXPECT_EQ(TempDir::read(second), "second");

    // Save-as borrows the main window's dialog, whose properties it keeps.
    window->runCommand(window->model().mnufileb);
    EXPECT_EQ(wizard.model().commonDialog().DialogTitle, u"名前を付けて保存");
    delete window.data();
}

TEST_F(MainWindowLinks, OkInTheCharacterDialogGivesTheMainWindowItsPicture) {
    QImage image(40, 60, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(form::qt::fromPath(program / "a.pcf"), "BMP"));
    characterDialogOf(*main, platform.pictures, ini, {program.path()})();
    auto* dialog = main->findChild<character::qt::CharacterDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QListWidget*>(QStringLiteral("PCFFile"))->setCurrentRow(0);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    ASSERT_NE(main->model().picture, nullptr);
    EXPECT_EQ(main->model().picture->width(), 40);
}

TEST_F(MainWindowLinks, TheCharacterDialogStaysWhenTheMainWindowCloses) {
    characterDialogOf(*main, platform.pictures, ini, {program.path()})();
    QPointer<character::qt::CharacterDialog> dialog = main->findChild<character::qt::CharacterDialog*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    delete main.data();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);  // nothing to give
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
}  // namespace pelin::app
