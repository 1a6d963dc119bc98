// A conversion run off the window's thread: a quick one shows nothing, a long
// one shows its file and a bar, and the dialog's cancel stops it.
#include "wizard/qt/conversion_progress.h"

#include <gtest/gtest.h>
#include <QProgressDialog>
#include <QTest>
#include <new>
#include <thread>

#include "support/qt_test_support.h"
#include "support/window_shot.h"

namespace pelin::wizard::qt {
namespace {

// Counts the progress dialogs that are shown.
class ShownDialogs : public QObject {
public:
    ShownDialogs() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QProgressDialog*>(watched)) ++count;
        return false;
    }
};

engine::ConversionSettings recordFor(const char16_t* source) {
    engine::ConversionSettings settings;
    settings.HTMLCFile = source;
    return settings;
}

TEST(ConversionProgress, AQuickRunShowsNothingAndGivesItsResultBack) {
    QWidget window;
    window.show();
    engine::ConversionSettings settings = recordFor(u"/tmp/日記.txt");
    ShownDialogs shown;
    const std::thread::id windowThread = std::this_thread::get_id();
    std::thread::id runThread;
    const ConversionResult result = convertWithProgress(
        &window, settings, [&](engine::ConversionSettings& s, const engine::ConversionProgress&) -> ConversionResult {
            runThread = std::this_thread::get_id();
            s.HTMLLine = u"<HTML><HEAD>";
            return std::optional(engine::makeReport(1000, 20));
        });
    ASSERT_TRUE(result.ok());
    ASSERT_TRUE(result->has_value());
    EXPECT_EQ((*result)->txtSize, u"変換前:1KB");
    EXPECT_EQ(settings.HTMLLine, u"<HTML><HEAD>");
    EXPECT_NE(runThread, windowThread);
    EXPECT_EQ(shown.count, 0);
}

TEST(ConversionProgress, WhatTheRunThrowsReachesTheCaller) {
    QWidget window;
    engine::ConversionSettings settings = recordFor(u"/tmp/日記.txt");
    EXPECT_THROW(
        convertWithProgress(&window, settings,
                            [](engine::ConversionSettings&, const engine::ConversionProgress&) -> ConversionResult {
                                throw std::bad_alloc();
                            }),
        std::bad_alloc);
}

TEST(ConversionProgress, ALongRunShowsItsFileAndStopsOnCancel) {
    QWidget window;
    window.show();
    engine::ConversionSettings settings = recordFor(u"/tmp/大きな本.txt");
    QString label;
    pelin::testing::whenModalOpens([&](QWidget& modal) {
        auto& dialog = dynamic_cast<QProgressDialog&>(modal);
        label = dialog.labelText();
        pelin::testing::saveShot(dialog, "conversion-progress");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    int blocks = 0;
    const ConversionResult result = convertWithProgress(
        &window, settings,
        [&](engine::ConversionSettings&, const engine::ConversionProgress& progress) -> ConversionResult {
            // A run of many blocks that ends when it is told to stop (or, should the
            // cancel not reach it, after some seconds with a page).
            for (; blocks < 5000; ++blocks) {
                if (!progress(static_cast<std::uint64_t>(blocks) % 1000, 1000))
                    return std::optional<engine::ConversionReport>();
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            return std::optional(engine::makeReport(1, 1));
        },
        std::chrono::milliseconds(0));
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result->has_value());
    EXPECT_TRUE(label.contains(QStringLiteral("大きな本.txt"))) << label.toStdString();
    EXPECT_GT(blocks, 0);
}

}  // namespace
}  // namespace pelin::wizard::qt
