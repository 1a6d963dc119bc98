// The character dialog on the screen: its look, the list and preview, and "OK"
// handing the picture to the main window.
#include "character/qt/character_dialog.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "form/qt/platform_services.h"
#include "text/textfile.h"
#include "window_fixture.h"

namespace pelin::character::qt {
namespace {

class CharacterDialogWindowTest : public ::testing::Test {
protected:
    testing::MainWindowFixture fixture;
    form::qt::QtPictureLoader pictures;  // real pictures, read by content

    void SetUp() override {
        attachCharacterDialog(fixture.windows, pictures, fixture.ini, fixture.program.path(), *fixture.main);
    }
    void picture(const char* name, const char* format, QColor colour) {
        QImage image(40, 60, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString((fixture.program / name).string()), format));
    }
    CharacterDialog* dialog() { return fixture.main->findChild<CharacterDialog*>(); }
    template <typename W>
    W* control(const char* name) { return dialog()->findChild<W*>(QLatin1String(name)); }
};

TEST_F(CharacterDialogWindowTest, LooksAsDrawnAndIsOneWindow) {
    picture("pelin-blue.pcf", "PNG", QColor(80, 120, 220));
    picture("pelin-pink.pcf", "JPG", QColor(240, 150, 200));
    fixture.windows.showCharacterDialog();
    fixture.windows.showCharacterDialog();
    ASSERT_EQ(fixture.main->findChildren<CharacterDialog*>().size(), 1);
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
    EXPECT_EQ(fixture.main->model().picture, nullptr);  // a click only previews
}

TEST_F(CharacterDialogWindowTest, OkGivesTheMainWindowItsPictureAndStoresThePath) {
    picture("a.pcf", "BMP", Qt::red);
    fixture.windows.showCharacterDialog();
    QPointer<CharacterDialog> d = dialog();
    control<QListWidget>("PCFFile")->setCurrentRow(0);
    QTest::mouseClick(control<QPushButton>("OKButton"), Qt::LeftButton);
    ASSERT_NE(fixture.main->model().picture, nullptr);
    EXPECT_EQ(fixture.main->model().picture->width(), 40);
    EXPECT_EQ(fixture.ini.ReadSetting(u"Data", u"Char"), text::fromPath(fixture.program / "a.pcf"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());

    // Opened again: a fresh list and an empty preview.
    fixture.windows.showCharacterDialog();
    EXPECT_TRUE(control<QLabel>("Image1")->pixmap().isNull());
    EXPECT_EQ(control<QListWidget>("PCFFile")->currentRow(), -1);
}

TEST_F(CharacterDialogWindowTest, EmptyFolderReloadAndBrokenFile) {
    fixture.windows.showCharacterDialog();
    auto* list = control<QListWidget>("PCFFile");
    EXPECT_EQ(list->count(), 0);
    QTest::mouseClick(control<QPushButton>("OKButton"), Qt::LeftButton);  // nothing chosen: stays open
    EXPECT_TRUE(dialog()->isVisible());

    fixture.program.write("broken.pcf", "no picture");
    QTest::mouseClick(control<QPushButton>("Redata"), Qt::LeftButton);
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    EXPECT_TRUE(control<QLabel>("Image1")->pixmap().isNull());
    QTest::mouseClick(control<QPushButton>("OKButton"), Qt::LeftButton);
    EXPECT_EQ(fixture.main->model().picture, nullptr);

    fixture.windows.showCharacterDialog();
    QPointer<CharacterDialog> d = dialog();
    QTest::mouseClick(control<QPushButton>("CancelButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());
}

}  // namespace
}  // namespace pelin::character::qt
