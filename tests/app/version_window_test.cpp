#include "app/version_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include "form/qt/window_service.h"

namespace pelin::app {
namespace {

const QColor kPink(255, 153, 255);

void moveOver(QWidget& target, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, target.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
}

QColor okColour(QWidget& window) {
    return window.findChild<QLabel*>(QStringLiteral("Label7"))->palette().color(QPalette::WindowText);
}

TEST(VersionWindow, LayoutTextsAndPointer) {
    VersionWindow window;
    EXPECT_EQ(window.objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(window.size(), QSize(278, 206));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("テキスト→HTML変換ソフト"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("ぺりん"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Ver1.31"));
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Image1"))->geometry(), QRect(160, 0, 121, 207));
    ASSERT_NE(window.findChild<QWidget*>(QStringLiteral("Shape1")), nullptr);
    auto* ok = window.findChild<QLabel*>(QStringLiteral("Label7"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->toolTip(), QStringLiteral("閉じる"));
    EXPECT_TRUE(ok->font().underline());
    EXPECT_EQ(ok->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(ok->cursor().pixmap().size(), QSize(32, 32));
}

TEST(VersionWindow, OkTurnsPinkUnderThePointerAndBlackOverTheBackground) {
    VersionWindow window;
    window.show();
    auto* ok = window.findChild<QLabel*>(QStringLiteral("Label7"));
    EXPECT_EQ(okColour(window), QColor(Qt::black));
    moveOver(*ok, QPoint(3, 3));
    EXPECT_EQ(okColour(window), kPink);
    // A move over another label, handed up to the window, is not the background.
    auto* name = window.findChild<QLabel*>(QStringLiteral("Label1"));
    moveOver(window, name->geometry().center());
    EXPECT_EQ(okColour(window), kPink);
    moveOver(window, QPoint(window.width() / 2 - 20, window.height() - 3));
    EXPECT_EQ(okColour(window), QColor(Qt::black));
}

TEST(VersionWindow, ClickOnOkClosesAndEachShowingStartsBlack) {
    form::qt::QtWindowService windows;
    QPointer<VersionWindow> shown;
    windows.versionWindow = [&shown] { shown = showVersionWindow(); };
    windows.showVersionWindow();
    QPointer<VersionWindow> first = shown;
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    windows.showVersionWindow();
    EXPECT_EQ(shown, first);  // one instance, brought forward

    auto* ok = first->findChild<QLabel*>(QStringLiteral("Label7"));
    moveOver(*ok, QPoint(2, 2));
    QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 2000));

    windows.showVersionWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(okColour(*shown), QColor(Qt::black));
    shown->close();
}

}  // namespace
}  // namespace pelin::app
