// The character dialog on the screen: its look, the list and preview, and "OK"
// handing the picture to the main window.
#include "character/qt/character_dialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "form/qt/platform_services.h"
#include "form/qt/qt_text.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/window_shot.h"
#include "text/textfile.h"

namespace pelin::character::qt {
namespace {

class CharacterDialogWindowTest : public ::testing::Test {
protected:
    testing::TempDir program;
    settings::SettingsFile ini{program.path()};
    form::qt::QtPictureLoader pictures;                 // real pictures, read by content
    QWidget main;                                       // the window the dialog belongs to
    std::vector<std::shared_ptr<form::Picture>> given;  // what "OK" handed to it
    std::function<void()> show = characterDialogOpener(
        pictures, ini, {program.path()}, main, [this](std::shared_ptr<form::Picture> p) { given.push_back(p); });

    void picture(const char* name, const char* format, QColor colour) {
        QImage image(40, 60, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(form::qt::fromPath(program / name), format));
    }
    CharacterDialog* dialog() { return main.findChild<CharacterDialog*>(); }
    template <typename W>
    W* control(const char* name) {
        return dialog()->findChild<W*>(QLatin1String(name));
    }
};

TEST_F(CharacterDialogWindowTest, LooksAsDrawnAndIsOneWindow) {
    picture("pelin-blue.pcf", "PNG", QColor(80, 120, 220));
    picture("pelin-pink.pcf", "JPG", QColor(240, 150, 200));
    show();
    show();
    ASSERT_EQ(main.findChildren<CharacterDialog*>().size(), 1);
    CharacterDialog& d = *dialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_EQ(d.objectName(), "Dialog");
    EXPECT_EQ(d.windowTitle(), QStringLiteral("キャラクター選択ダイアログ"));
    EXPECT_FALSE(d.isModal());
    EXPECT_EQ(d.size(), QSize(331, 152));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_FALSE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(control<QPushButton>("CancelButton")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_EQ(control<QPushButton>("OKButton")->toolTip(), QStringLiteral("キャラクターを変更する"));
    EXPECT_EQ(control<QListWidget>("PCFFile")->geometry(), QRect(8, 8, 137, 138));
    QLabel* label = control<QLabel>("Label1");
    EXPECT_EQ(label->text(), QStringLiteral("プレビュー"));
    EXPECT_TRUE(label->font().bold());
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 11.25);
    // Tab order: OK, ｷｬﾝｾﾙ, the list, リスト読込.
    EXPECT_EQ(control<QPushButton>("OKButton")->nextInFocusChain(), control<QPushButton>("CancelButton"));
    EXPECT_EQ(control<QPushButton>("CancelButton")->nextInFocusChain(), control<QListWidget>("PCFFile"));

    auto* list = control<QListWidget>("PCFFile");
    ASSERT_EQ(list->count(), 2);
    list->setCurrentRow(1);  // the JPEG under a ".pcf" name previews like the other
    const QPixmap preview = control<QLabel>("Image1")->pixmap();
    ASSERT_FALSE(preview.isNull());
    EXPECT_TRUE(control<QLabel>("Image1")->hasScaledContents());
    testing::saveShot(d, "character-dialog");
    EXPECT_TRUE(given.empty());  // a click only previews
}

TEST_F(CharacterDialogWindowTest, OkGivesTheMainWindowItsPictureAndStoresThePath) {
    picture("a.pcf", "BMP", Qt::red);
    show();
    QPointer<CharacterDialog> d = dialog();
    control<QListWidget>("PCFFile")->setCurrentRow(0);
    QTest::mouseClick(control<QPushButton>("OKButton"), Qt::LeftButton);
    ASSERT_EQ(given.size(), 1u);
    ASSERT_NE(given[0], nullptr);
    EXPECT_EQ(given[0]->width(), 40);
    EXPECT_EQ(ini.ReadSetting(u"Data", u"Char"), text::fromPath(program / "a.pcf"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());

    // Opened again: a fresh list and an empty preview.
    show();
    EXPECT_TRUE(control<QLabel>("Image1")->pixmap().isNull());
    EXPECT_EQ(control<QListWidget>("PCFFile")->currentRow(), -1);
}

TEST_F(CharacterDialogWindowTest, TabbingIntoTheListPreviewsNothingUntilAnArrowKeySelects) {
    picture("a.pcf", "PNG", Qt::red);
    picture("b.pcf", "PNG", Qt::blue);
    show();
    CharacterDialog& d = *dialog();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    auto* list = control<QListWidget>("PCFFile");
    control<QPushButton>("CancelButton")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), list);
    EXPECT_TRUE(control<QLabel>("Image1")->pixmap().isNull());
    EXPECT_TRUE(list->selectedItems().isEmpty());

    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_FALSE(control<QLabel>("Image1")->pixmap().isNull());
}

TEST_F(CharacterDialogWindowTest, EmptyFolderReloadAndBrokenFile) {
    show();
    auto* list = control<QListWidget>("PCFFile");
    EXPECT_EQ(list->count(), 0);
    QTest::mouseClick(control<QPushButton>("OKButton"), Qt::LeftButton);  // nothing chosen: stays open
    EXPECT_TRUE(dialog()->isVisible());

    program.write("broken.pcf", "no picture");
    QTest::mouseClick(control<QPushButton>("Redata"), Qt::LeftButton);
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    EXPECT_TRUE(control<QLabel>("Image1")->pixmap().isNull());
    QTest::mouseClick(control<QPushButton>("OKButton"), Qt::LeftButton);
    EXPECT_TRUE(given.empty());  // no picture: the main window keeps its own

    show();
    QPointer<CharacterDialog> d = dialog();
    QTest::mouseClick(control<QPushButton>("CancelButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());
}

}  // namespace
}  // namespace pelin::character::qt
