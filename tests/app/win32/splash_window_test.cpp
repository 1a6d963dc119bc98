#include <gtest/gtest.h>

#include <chrono>

#include "app/win32/message_loop.h"
#include "app/win32/splash_window.h"

namespace pelin::app::win32 {
namespace {

using namespace std::chrono_literals;
using pelin::testing::runMessagesUntil;

TEST(SplashWindow, TheTickShowsTheMainWindowOnceThenTheSplashGoes) {
    int shown = 0;
    bool splashUpMeanwhile = false;
    HWND splash = nullptr;
    const auto start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::duration after{};
    splash = showSplashWindow([&] {
        ++shown;
        after = std::chrono::steady_clock::now() - start;
        // The main window's start-up runs while the splash is still there.
        splashUpMeanwhile = IsWindowVisible(splash) != FALSE;
    });
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(IsWindowVisible(splash));
    EXPECT_EQ(shown, 0);

    ASSERT_TRUE(runMessagesUntil([&] { return !IsWindow(splash); }, 5s));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(splashUpMeanwhile);
    // The system's timers may fire a tick of its clock early, never more.
    EXPECT_GE(after, std::chrono::milliseconds(kSplashMilliseconds) - 20ms);
    runMessagesUntil([] { return false; }, 500ms);
    EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace pelin::app::win32
