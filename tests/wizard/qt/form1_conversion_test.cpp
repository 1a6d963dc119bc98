// The main window driven through its widgets, as a user would: a whole
// conversion, the messages it shows, hover previews, dropping a file, closing.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "form/qt/message_box.h"
#include "form/qt/platform_services.h"
#include "form/qt/qt_text.h"
#include "support/fakes.h"
#include "support/qt_test_support.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "wizard/qt/form1_window.h"

namespace pelin::wizard::qt {
namespace {

using pelin::testing::TempDir;

void type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void moveOver(QWidget* target, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

using Platform = pelin::testing::TestPlatform;

class Form1Driving : public ::testing::Test {
protected:
    Form1Window& open(form::MessageBoxService* box = nullptr) {
        form::Services services = platform.services(box);
        window = new Form1Window(services, ini, {dir.path(), false});
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->Form_Load();
        window->show();
        return *window;
    }
    void TearDown() override { delete window.data(); }
    template <typename W = QWidget>
    W* widget(const char* name) {
        W* found = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) {
        auto* button = widget<QAbstractButton>(name);
        ASSERT_TRUE(button->isVisibleTo(window) && button->isEnabled()) << name;
        // A check box or option button takes clicks on its mark and caption only,
        // which a wide row leaves short of the widget's middle.
        const bool marked = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, marked ? QPoint(6, button->height() / 2) : QPoint());
    }
    bool shown(const char* name) { return widget(name)->isVisibleTo(window); }

    TempDir dir;
    settings::SettingsFile ini{dir.path()};
    Platform platform;
    QPointer<Form1Window> window;
};

TEST_F(Form1Driving, WholeConversionThroughTheWidgetsWritesThePage) {
    const auto source = dir.write("本文.txt", text::toCp932(u"一行目\r\nぺりん & テキスト\r\n"));
    const auto page = dir / "page.htm";
    platform.dialogs.chooseFile(source);
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ぺりん Ver1.31 - [") + form::qt::fromPath(source) + u']');
    EXPECT_EQ(widget<QLabel>("txtHTMLSize")->text(), QStringLiteral("ファイルサイズ : 0.027KB"));

    click("SubFoword");
    EXPECT_TRUE(shown("Frame2"));
    EXPECT_FALSE(shown("Frame1"));
    EXPECT_EQ(widget("Label2")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    type(widget("txtTitle"), QStringLiteral("テスト"));
    click("Check1");
    click("SubFoword");

    click("DCheck1");
    ASSERT_TRUE(widget("Sample31")->isEnabled());
    platform.dialogs.chooseColour(255);
    click("DLinkColor");
    // The hover preview: the chosen colour under the pointer, back over the frame.
    moveOver(widget("Sample31"), QPoint(2, 2));
    EXPECT_EQ(widget("Sample31")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QWidget* frame3 = widget("Frame3");
    moveOver(frame3, QPoint(frame3->width() - 4, frame3->height() - 4));
    EXPECT_EQ(widget("Sample31")->palette().color(QPalette::WindowText), QColor(128, 128, 255));
    click("SubFoword");

    type(widget("CText1"), QStringLiteral("FF0000"));
    EXPECT_EQ(widget("Command41")->palette().color(QPalette::Button), QColor(255, 0, 0));
    EXPECT_EQ(widget("SampleFont1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    platform.dialogs.chooseColour(16711680);
    click("Command45");
    EXPECT_EQ(widget<QLineEdit>("CText5")->text(), QStringLiteral("0000FF"));
    EXPECT_EQ(widget("SampleFrame")->palette().color(QPalette::Window), QColor(0, 0, 255));
    click("SubFoword");

    type(widget("txtTOPM"), QStringLiteral("10"));
    EXPECT_EQ(widget<QLabel>("mm51")->text(), QStringLiteral("0.35"));
    click("SubFoword");
    click("P61");
    EXPECT_FALSE(widget<QAbstractButton>("BR61")->isChecked());
    click("SubFoword");
    click("Option71");
    click("SubFoword");
    click("Comment81");
    ASSERT_TRUE(shown("txtComment"));
    type(widget("txtComment"), QStringLiteral("メモ"));
    click("SubFoword");
    platform.dialogs.chooseFile(page);
    click("HozonDialog");
    EXPECT_EQ(widget<QLineEdit>("txtHozon")->text(), form::qt::fromPath(page));
    EXPECT_EQ(platform.dialogs.calls.back().fileName, u"テスト");  // the title proposed as the name
    click("SubFoword");

    EXPECT_TRUE(shown("Frame10"));
    EXPECT_FALSE(widget("SubFoword")->isEnabled());
    EXPECT_FALSE(widget<QLabel>("txtSize")->text().isEmpty());
    EXPECT_TRUE(platform.messages.shown.empty());

    // The page, byte for byte as the program writes it: code page 932, CR LF.
    const std::string bytes = TempDir::read(page);
    for (const char16_t* part :
         {u"<TITLE>テスト</TITLE>\r\n", u"color:#FF0000}", u"<BODY TEXT=#FF0000 ", u"BGCOLOR=#0000FF", u"TOPMARGIN=10",
          u"ぺりん &amp; テキスト", u"<!--\r\nメモ\r\n-->\r\n"})
        EXPECT_NE(bytes.find(text::toCp932(part)), std::string::npos) << text::toUtf8(part);

    // The same answers given to the model directly make the same page.
    Platform reference;
    const auto referencePage = dir / "reference.htm";
    reference.dialogs.chooseFile(source);
    form::Services services = reference.services();
    settings::SettingsFile otherIni(dir / "other");
    std::filesystem::create_directories(dir / "other");
    Form1 model(services, otherIni, {dir.path(), false});
    model.Form_Load();
    model.SubFoword.click();
    model.txtTitle.setText(u"テスト");
    model.Check1.setValue(1);
    model.SubFoword.click();
    model.DCheck1.setValue(1);
    reference.dialogs.chooseColour(255);
    model.DLinkColor.click();
    model.SubFoword.click();
    model.CText1.setText(u"FF0000");
    reference.dialogs.chooseColour(16711680);
    model.Command45.click();
    model.SubFoword.click();
    model.txtTOPM.setText(u"10");
    model.SubFoword.click();
    model.P61.setValue(true);
    model.SubFoword.click();
    model.Option71.setValue(1);
    model.SubFoword.click();
    model.Comment81.setValue(1);
    model.txtComment.setText(u"メモ");
    model.SubFoword.click();
    reference.dialogs.chooseFile(referencePage);
    model.HozonDialog.click();
    model.SubFoword.click();
    EXPECT_EQ(bytes, TempDir::read(referencePage));
}

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

void answerNextBox(SeenBox& seen, QMessageBox::StandardButton press) {
    pelin::testing::whenModalOpens([&seen, press](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        seen = {box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
        box.button(press)->click();
    });
}

TEST_F(Form1Driving, MessagesHaveTheirExactTextsTitlesAndButtons) {
    form::qt::QtMessageBox boxes;
    platform.dialogs.chooseFile(dir.write("a.txt", "x"));
    open(&boxes);
    for (int step = 1; step < 9; ++step) click("SubFoword");
    ASSERT_TRUE(shown("Frame9"));

    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    click("SubFoword");
    EXPECT_EQ(seen.text, QStringLiteral("ファイルの保存先を決めてから[次へ]を押してください"));
    EXPECT_EQ(seen.title, QStringLiteral("ぺりん"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(shown("Frame9"));

    answerNextBox(seen, QMessageBox::No);
    click("SubChan");
    EXPECT_EQ(seen.text, QStringLiteral("変換作業を中止しますか？"));
    EXPECT_EQ(seen.title, QStringLiteral("中止"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(shown("Frame9"));

    answerNextBox(seen, QMessageBox::No);
    window->close();
    EXPECT_EQ(seen.text, QStringLiteral("終了しますか？"));
    EXPECT_EQ(seen.title, QStringLiteral("終了"));
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(window->isVisible());

    answerNextBox(seen, QMessageBox::Yes);
    window->findChild<QAction*>(QStringLiteral("mnufileend"))->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Form1Driving, DroppedFileActsAsTheSourceDialogsChoice) {
    open();
    const auto dropped = dir.write("落とした.txt", std::string(2000, 'a'));
    auto* box = widget<QLineEdit>("txtHTML");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(form::qt::fromPath(dropped))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    EXPECT_EQ(box->text(), form::qt::fromPath(dropped));
    EXPECT_EQ(widget<QLabel>("txtHTMLSize")->text(), QStringLiteral("ファイルサイズ : 2KB"));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("落とした.txt]")));
    EXPECT_EQ(platform.dialogs.calls.size(), 1u);  // only the start-up's dialog was shown
    EXPECT_EQ(ini.ReadSetting(u"Setei", u"Pash"), text::fromPath(dir.path()) + u"/");

    // A file that is not there is no choice: the caption says so.
    window->dropSourceFile(form::qt::fromPath(dir / "gone.txt"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ぺりん Ver1.31 - [ 変換ファイル未指定 ]"));
}

}  // namespace
}  // namespace pelin::wizard::qt
