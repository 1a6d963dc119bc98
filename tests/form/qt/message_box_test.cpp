#include "form/qt/message_box.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QTest>

#include "support/qt_test_support.h"

namespace pelin::form::qt {
namespace {

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows the message, records how the box looked and presses `press`.
int showAndPress(TextView prompt, int flags, TextView title, QMessageBox::StandardButton press, Seen& seen) {
    pelin::testing::whenModalOpens([&seen, press](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        seen = {box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
        box.button(press)->click();
    });
    QtMessageBox messages;
    return messages.show(prompt, flags, title);
}

TEST(MessageBox, WarningHasExclamationAndOkOnly) {
    Seen seen;
    EXPECT_EQ(showAndPress(u"ファイルの保存先を決めてから[次へ]を押してください", kMbWarning, u"ぺりん",
                           QMessageBox::Ok, seen),
              kAnswerOk);
    EXPECT_EQ(seen.title, QStringLiteral("ぺりん"));
    EXPECT_EQ(seen.text, QStringLiteral("ファイルの保存先を決めてから[次へ]を押してください"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(MessageBox, QuestionHasYesAndNoAndReportsTheAnswer) {
    Seen seen;
    EXPECT_EQ(showAndPress(u"終了しますか？", kMbQuestion, u"終了", QMessageBox::Yes, seen), kAnswerYes);
    EXPECT_EQ(seen.title, QStringLiteral("終了"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(showAndPress(u"変換作業を中止しますか？", kMbQuestion, u"中止", QMessageBox::No, seen), kAnswerNo);
}

TEST(MessageBox, QuestionWithCancelAnswersEachButtonAndCancelsOnEscape) {
    Seen seen;
    const int flags = kMbYesNoCancel | kMbIconQuestion;
    EXPECT_EQ(showAndPress(u"変更を保存しますか？", flags, u"ぺりん－メモ帳", QMessageBox::Cancel, seen),
              kAnswerCancel);
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    // Escape (or the close box) keeps what the user has, as ｷｬﾝｾﾙ does.
    pelin::testing::whenModalOpens([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
    EXPECT_EQ(QtMessageBox().show(u"変更を保存しますか？", flags, u"ぺりん－メモ帳"), kAnswerCancel);
}

TEST(MessageBox, LineBreaksOfThePromptAreKept) {
    Seen seen;
    showAndPress(u"一行目\r\n二行目", kMbWarning, u"背景画像のパスについて", QMessageBox::Ok, seen);
    EXPECT_TRUE(seen.text.contains(u'\n'));
    EXPECT_EQ(messageBoxLook(0).icon, QMessageBox::NoIcon);
}

}  // namespace
}  // namespace pelin::form::qt
