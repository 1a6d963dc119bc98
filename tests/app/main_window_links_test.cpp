// The windows that need the main window, linked to it as the program does: the
// notepad borrows its page and its dialog, the character dialog gives it its
// picture.
#include "app/main_window.h"

#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "character/qt/character_dialog.h"
#include "form/qt/qt_text.h"
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

TEST_F(MainWindowLinks, TheNotepadSavesToTheMainWindowsPageEvenAfterItIsGone) {
    notepad::qt::ProgramNotepad notepad(platform.dialogs);
    linkNotepad(notepad, *main);
    const auto page = program.write("page.htm", "");
    main->model().settings.HTMLFilePass = text::fromPath(page);
    notepad.show(u"text\r\n");
    QPointer<notepad::qt::NotepadWindow> window = notepad.window();

    // Save-as borrows the main window's dialog, whose properties it keeps.
    platform.dialogs.chooseFile(program / "as.txt");
    window->runCommand(window->model().mnufileb);
    EXPECT_EQ(main->model().commonDialog().DialogTitle, u"名前を付けて保存");

    main->show();
    main->close();
    delete main.data();
    window->runCommand(window->model().mnufilea);
    EXPECT_EQ(TempDir::read(page), "text\r\n\r\n");
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

}  // namespace
}  // namespace pelin::app
