#include "app/splash_window.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>

namespace pelin::app {
namespace {

TEST(Splash, LayoutAsDrawn) {
    SplashWindow splash({});
    EXPECT_EQ(splash.objectName(), QStringLiteral("frmSplash"));
    EXPECT_EQ(splash.size(), QSize(286, 202));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    auto* image = splash.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), QSize(123, 207));
    EXPECT_EQ(image->geometry(), QRect(0, 0, 123, 207));  // runs past the bottom edge
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("ぺりん"));
    auto* version = splash.findChild<QLabel*>(QStringLiteral("Label2"));
    EXPECT_EQ(version->text(), QStringLiteral("Ver1.31"));
    EXPECT_TRUE(version->font().bold());
    EXPECT_EQ(version->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    EXPECT_EQ(splash.findChild<QWidget*>(QStringLiteral("Line1"))->geometry(), QRect(112, 64, 168, 1));
    EXPECT_EQ(splash.findChild<QWidget*>(QStringLiteral("Line2"))->geometry(), QRect(200, 40, 1, 48));
    // Text never spills past the window's right edge.
    for (auto* label : splash.findChildren<QLabel*>())
        EXPECT_LE(label->x() + label->sizeHint().width(), splash.width()) << label->objectName().toStdString();
    auto* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 300);
    EXPECT_TRUE(timer->isActive());
}

TEST(Splash, MainWindowAfter300msAndSplashGoesOnlyAfterItsStartUp) {
    QElapsedTimer clock;
    qint64 tickAt = -1;
    bool splashUpDuringStartUp = false;
    int ticks = 0;
    QWidget mainWindow;
    QPointer<SplashWindow> splash;
    clock.start();  // the timer runs from the moment the window is made
    splash = new SplashWindow([&] {
        ++ticks;
        tickAt = clock.elapsed();
        QTest::qWait(120);  // the main window's start-up, which takes its time
        splashUpDuringStartUp = splash && splash->isVisible();
        mainWindow.show();
    });
    splash->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 3000));
    EXPECT_EQ(ticks, 1);
    EXPECT_GE(tickAt, 290);
    EXPECT_LT(tickAt, 2000);  // generous: a loaded machine delays timers
    EXPECT_TRUE(splashUpDuringStartUp);
    EXPECT_TRUE(mainWindow.isVisible());
    QTest::qWait(400);
    EXPECT_EQ(ticks, 1);  // the timer fires once
}

}  // namespace
}  // namespace pelin::app
