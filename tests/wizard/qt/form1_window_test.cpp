#include "wizard/qt/form1_window.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "text/file_url.h"

namespace pelin::wizard::qt {
namespace {

using form::qt::toQString;
using pelin::testing::TempDir;

const QColor kGreen(0, 255, 0), kGrey(128, 128, 128);

// Typing as the keyboard does, so the widgets report the edit as the user's.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class Form1WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(program);
        std::filesystem::copy_file(PELIN_ASSETS_DIR "/png/mascot-blue.png", program / "pelin-blue.pcf");
    }

    Form1Window& open(form::MessageBoxService* messageBox = nullptr, form::Shell* desktop = nullptr) {
        services = std::make_unique<form::Services>(form::Services{
            messageBox ? *messageBox : messages, dialogs, pictures, clipboard, desktop ? *desktop : shell, windows});
        window = new Form1Window(*services, ini, {program, false});
        window->Form_Load();
        window->show();
        return *window;
    }
    template <typename W = QWidget>
    W* widget(const char* name) {
        W* found = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) { QTest::mouseClick(widget<QAbstractButton>(name), Qt::LeftButton); }
    QColor textColour(const char* name) { return widget(name)->palette().color(QPalette::WindowText); }
    bool shown(const char* name) { return widget(name)->isVisibleTo(window); }

    void TearDown() override {
        if (window) {
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            delete window.data();
        }
    }

    TempDir dir;
    std::filesystem::path program = dir / "program";
    settings::SettingsFile ini{dir.path()};
    pelin::testing::ScriptedDialogs dialogs;
    pelin::testing::RecordingMessages messages;
    form::qt::QtPictureLoader pictures;
    pelin::testing::FakeClipboard clipboard;
    pelin::testing::FakeShell shell;
    pelin::testing::FakeWindows windows;
    std::unique_ptr<form::Services> services;
    QPointer<Form1Window> window;
};

TEST_F(Form1WindowTest, EveryControlHasItsWidgetWithExactCaptionAndToolTip) {
    open();
    for (const form::ControlEntry& entry : window->model().controls()) {
        const QString name = QString::fromStdString(entry.name());
        const QString caption = toQString(entry.base().caption);
        if (entry.is<form::MenuItem>()) {
            auto* action = window->findChild<QAction*>(name);
            ASSERT_NE(action, nullptr) << entry.name();
            if (caption == QStringLiteral("-")) {
                EXPECT_TRUE(action->isSeparator()) << entry.name();
                EXPECT_TRUE(action->text().isEmpty()) << entry.name();  // a bare line
            } else {
                EXPECT_EQ(action->text(), caption) << entry.name();
            }
            continue;
        }
        auto* w = window->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << entry.name();
        EXPECT_EQ(w->toolTip(), toQString(entry.base().toolTip)) << entry.name();
        if (auto* label = qobject_cast<QLabel*>(w); label && entry.is<form::Label>()) {
            EXPECT_EQ(label->text(), caption) << entry.name();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_EQ(button->text(), caption) << entry.name();
        }
        // Each widget sits inside the widget of its container.
        if (entry.container) {
            auto* container = window->findChild<QWidget*>(QString::fromStdString(entry.container->name));
            EXPECT_TRUE(container && container->isAncestorOf(w)) << entry.name();
        }
    }
    EXPECT_EQ(widget<QLabel>("MainmenuTitle")->text(), QStringLiteral("変換行程"));
}

TEST_F(Form1WindowTest, StartUpWithoutSettingsShowsTheFirstStepAndDefaults) {
    open();
    ASSERT_EQ(dialogs.calls.size(), 1u);  // the source dialog opened at once (and was cancelled)
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ぺりん Ver1.31 - [ 変換ファイル未指定 ]"));
    EXPECT_TRUE(shown("Frame1"));
    for (const char* hidden : {"Frame2", "Frame5", "Frame10", "txtComment"}) EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_EQ(textColour("Label1"), kGreen);
    EXPECT_EQ(textColour("Label2"), kGrey);
    EXPECT_TRUE(
        widget<QPlainTextEdit>("txtHelp")->toPlainText().startsWith(QStringLiteral("ぺりんが起動しました。\n")));
    for (const char* off : {"SubBack", "SubChan", "SubFoword", "SeteiMynu", "DLinkColor", "Sample31", "Combo31"})
        EXPECT_FALSE(widget(off)->isEnabled()) << off;
    EXPECT_EQ(widget<QComboBox>("LangCombo")->count(), 10);
    EXPECT_EQ(widget<QComboBox>("LangCombo")->currentText(), QStringLiteral("特に指定しない"));
    EXPECT_EQ(widget<QComboBox>("BaseFontSize")->currentText(), QStringLiteral("10(標準)"));
    EXPECT_TRUE(widget<QRadioButton>("BR61")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("P61")->isChecked());
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mnuoptionhozonAuto"))->isChecked());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("mnuoptionhozonMnyu"))->isChecked());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("mnuhelphelp"))->isEnabled());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("mnufilepro"))->isEnabled());
    EXPECT_EQ(window->model().picture, nullptr);

    // Typing a path enables Next and the properties menu.
    type(widget("txtHTML"), QStringLiteral("a"));
    EXPECT_TRUE(widget("SubFoword")->isEnabled());
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mnufilepro"))->isEnabled());
}

TEST_F(Form1WindowTest, StartUpWithEverySavedAnswerShowsThemInTheWidgets) {
    const std::pair<const char16_t*, const char16_t*> keys[] = {{u"LangS", u"3"},
                                                                {u"CharsetS", u"1"},
                                                                {u"CSS", u"style.css"},
                                                                {u"WebTitleS", u"日記"},
                                                                {u"HTMLKeyword01S", u"ぺりん"},
                                                                {u"WebMidashiS", u"説明文"},
                                                                {u"NoRobotS", u"1"},
                                                                {u"DCheck1S", u"1"},
                                                                {u"DLColorS", u"FF0000"},
                                                                {u"DLColor2S", u"255"},
                                                                {u"DCheck2S", u"1"},
                                                                {u"OpenPageEfS", u"5"},
                                                                {u"ClosePageEfS", u"7"},
                                                                {u"BodyfontS", u"000080"},
                                                                {u"Font10S", u"8388608"},
                                                                {u"BodylinkS", u"0000FF"},
                                                                {u"Link10S", u"16711680"},
                                                                {u"BodyalinkS", u"FF0000"},
                                                                {u"AlinkS", u"255"},
                                                                {u"BodyvlinkS", u"800080"},
                                                                {u"VlinkS", u"8388736"},
                                                                {u"BgColorS", u"FFFFE0"},
                                                                {u"BgColor10S", u"14745599"},
                                                                {u"BodygroundS", u"back.gif"},
                                                                {u"FIXEDCheckS", u"1"},
                                                                {u"TOPMpixS", u"10"},
                                                                {u"LEFTMpixS", u"20"},
                                                                {u"BASEFontS", u"4"},
                                                                {u"BQuoteS", u"1"},
                                                                {u"BRS", u"False"},
                                                                {u"PRES", u"True"},
                                                                {u"PS", u"False"},
                                                                {u"Option71S", u"1"},
                                                                {u"Comment81S", u"1"},
                                                                {u"CommentS", u"あとがき"},
                                                                {u"Setei", u"Mnyu"}};
    for (const auto& [key, value] : keys) EXPECT_TRUE(ini.WriteSetting(u"Setei", key, value));
    EXPECT_TRUE(ini.WriteSetting(u"Data", u"Char", text::fromPath(program / "pelin-blue.pcf")));

    open();
    EXPECT_EQ(widget<QComboBox>("LangCombo")->currentIndex(), 3);
    EXPECT_EQ(widget<QComboBox>("CharsetCombo")->currentText(), QStringLiteral("euc-jp"));
    EXPECT_EQ(widget<QLineEdit>("txt_CSS")->text(), QStringLiteral("style.css"));
    EXPECT_EQ(widget<QLineEdit>("txtTitle")->text(), QStringLiteral("日記"));
    EXPECT_EQ(widget<QLineEdit>("txtKeyword1")->text(), QStringLiteral("ぺりん"));
    EXPECT_EQ(widget<QLineEdit>("txtMidashi")->text(), QStringLiteral("説明文"));
    EXPECT_TRUE(widget<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(widget("Sample31")->isEnabled());
    EXPECT_TRUE(widget("DLinkColor")->isEnabled());
    EXPECT_TRUE(widget("Combo32")->isEnabled());
    EXPECT_EQ(widget<QComboBox>("Combo31")->currentIndex(), 5);
    EXPECT_EQ(widget<QComboBox>("Combo32")->currentIndex(), 7);
    EXPECT_EQ(widget<QLineEdit>("CText1")->text(), QStringLiteral("000080"));
    EXPECT_EQ(widget("Command41")->palette().color(QPalette::Button), QColor(0, 0, 128));
    EXPECT_EQ(widget("SampleFrame")->palette().color(QPalette::Window), QColor(255, 255, 224));
    EXPECT_EQ(textColour("SampleFont2"), QColor(255, 0, 0));  // the ALINK colour
    EXPECT_EQ(widget<QLineEdit>("BackgroundTitle")->text(), QStringLiteral("back.gif"));
    EXPECT_TRUE(widget<QCheckBox>("FIXEDCheck")->isChecked());
    EXPECT_EQ(widget<QLabel>("mm51")->text(), QStringLiteral("0.35"));
    EXPECT_EQ(widget<QLabel>("mm52")->text(), QStringLiteral("0.7"));
    EXPECT_EQ(widget<QComboBox>("BaseFontSize")->currentText(), QStringLiteral("12"));
    EXPECT_TRUE(widget<QCheckBox>("Check51")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("PRE61")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("BR61")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("Option71")->isChecked());
    EXPECT_TRUE(shown("Frame1"));
    EXPECT_FALSE(widget("txtComment")->isHidden());
    EXPECT_EQ(widget<QPlainTextEdit>("txtComment")->toPlainText(), QStringLiteral("あとがき"));
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mnuoptionhozonMnyu"))->isChecked());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("mnuoptionhozonAuto"))->isChecked());
    EXPECT_TRUE(widget("SeteiMynu")->isEnabled());
    ASSERT_NE(window->model().picture, nullptr);
    EXPECT_EQ(window->model().picture->width(), 123);
    // The mascot is drawn at its own size from the top-left corner of the client.
    const QImage client = widget("Client")->grab().toImage();
    EXPECT_NE(client.pixelColor(61, 62), client.pixelColor(client.width() - 2, 2));
}

TEST_F(Form1WindowTest, AltVOnTheLastStepHandsThePageAddressToTheDesktopsOpener) {
    // A stand-in for the desktop's opener that writes down what it was given.
    const std::filesystem::path record = dir / "opened.txt";
    std::filesystem::create_directories(dir / "bin");
    dir.write("bin/xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > '" + record.string() + ".new' && mv '" +
                                  record.string() + ".new' '" + record.string() + "'\n");
    std::filesystem::permissions(dir / "bin/xdg-open", std::filesystem::perms::owner_all);
    pelin::testing::ScopedEnv path("PATH", (dir / "bin").string() + ":" + std::getenv("PATH"));
    form::qt::QtBrowserShell desktop;

    dialogs.chooseFile(dir.write("notes.txt", "text"));
    Form1& model = open(nullptr, &desktop).model();
    for (int step = 1; step < 9; ++step) model.SubFoword.click();
    dialogs.chooseFile(dir / "my page 日記.htm");
    model.HozonDialog.click();
    model.SubFoword.click();
    window->refresh();
    ASSERT_TRUE(shown("Frame10"));
    window->activateWindow();  // with no window manager to do it
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    QTest::keyClick(window, Qt::Key_V, Qt::AltModifier);
    for (int waited = 0; !std::filesystem::exists(record) && waited < 5000; waited += 50) QTest::qWait(50);
    EXPECT_EQ(TempDir::read(record), text::toUtf8(text::fileUrl(dir / "my page 日記.htm")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form1WindowTest, AltFPressesNextWhileItCanElseOpensTheFileMenu) {
    dialogs.chooseFile(dir.write("notes.txt", "text"));
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    widget("txtHTML")->setFocus();
    // Every press is one step on, the same each time.
    for (int step = 2; step <= 4; ++step) {
        QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(window->model().CurrentStep, step);
    }
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // On the last step 次へ is off: the key opens the File menu.
    window->model().CurrentStep = 10;
    window->model().SubFoword.enabled = false;
    window->refresh();
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    for (int waited = 0; !QApplication::activePopupWidget() && waited < 2000; waited += 20) QTest::qWait(20);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnufile"));
    QApplication::activePopupWidget()->close();
}

TEST_F(Form1WindowTest, NoWidgetReachesTheModelOnceItIsGone) {
    open();
    // The binder carries every input of the widgets to the model, which goes
    // with the window before Qt deletes the widgets.
    QPointer<form::qt::Binder> binder = window->findChild<form::qt::Binder*>();
    ASSERT_TRUE(binder);
    bool binderOutlivedAWidget = false;
    for (QWidget* w : window->findChildren<QWidget*>())
        QObject::connect(w, &QObject::destroyed, [&] { binderOutlivedAWidget |= !binder.isNull(); });
    delete window.data();
    EXPECT_FALSE(binderOutlivedAWidget);
}

}  // namespace
}  // namespace pelin::wizard::qt
