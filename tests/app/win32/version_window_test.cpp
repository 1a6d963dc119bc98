#include <gtest/gtest.h>

#include "app/win32/version_window.h"
#include "form/win32/dpi.h"

namespace pelin::app::win32 {
namespace {

using form::win32::twipsToPixels;

// A point of the window's client area given in twips, at the window's DPI.
LPARAM at(HWND window, double x, double y) {
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    return MAKELPARAM(twipsToPixels(x, dpi), twipsToPixels(y, dpi));
}

// The "OK" label lies at 1080 / 2640 / 615 / 375; the window's background is
// bare below the description and left of the name.
constexpr double kOkX = 1080 + 300, kOkY = 2640 + 180;
constexpr double kBareX = 300, kBareY = 1800;

TEST(VersionWindow, OkIsPinkUnderThePointerUntilItCrossesTheBackground) {
    HWND window = showVersionWindow(nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(versionOkColour(window), RGB(0, 0, 0));
    SendMessageW(window, WM_MOUSEMOVE, 0, at(window, kOkX, kOkY));
    EXPECT_EQ(versionOkColour(window), kOkHoverColour);
    // Over the mascot (a picture, not the background) it stays pink.
    SendMessageW(window, WM_MOUSEMOVE, 0, at(window, 3300, 1500));
    EXPECT_EQ(versionOkColour(window), kOkHoverColour);
    SendMessageW(window, WM_MOUSEMOVE, 0, at(window, kBareX, kBareY));
    EXPECT_EQ(versionOkColour(window), RGB(0, 0, 0));
    DestroyWindow(window);
}

TEST(VersionWindow, OneWindowWhichAClickOnOkCloses) {
    HWND window = showVersionWindow(nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(showVersionWindow(nullptr), window);
    // A press on the label released elsewhere does not close it.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(window, kOkX, kOkY));
    SendMessageW(window, WM_LBUTTONUP, 0, at(window, kBareX, kBareY));
    ASSERT_TRUE(IsWindow(window));
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(window, kOkX, kOkY));
    SendMessageW(window, WM_LBUTTONUP, 0, at(window, kOkX, kOkY));
    EXPECT_FALSE(IsWindow(window));
    // Shown again: a new window, the label black again.
    HWND again = showVersionWindow(nullptr);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(versionOkColour(again), RGB(0, 0, 0));
    DestroyWindow(again);
}

}  // namespace
}  // namespace pelin::app::win32
