// Shows the splash (for three seconds, as a long start-up would keep it) and
// then the version window until it is closed, to look at them on a screen.
#include <chrono>

#include "app/win32/message_loop.h"
#include "app/win32/splash_window.h"
#include "app/win32/version_window.h"

int main() {
    using namespace std::chrono_literals;
    using pelin::testing::runMessagesUntil;
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    bool handedOver = false;
    pelin::app::win32::showSplashWindow([&] {
        runMessagesUntil([] { return false; }, 3s);
        handedOver = true;
    });
    runMessagesUntil([&] { return handedOver; }, 10s);
    HWND version = pelin::app::win32::showVersionWindow(nullptr);
    runMessagesUntil([&] { return !IsWindow(version); }, 60s);
    return 0;
}
