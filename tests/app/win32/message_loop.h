#pragma once
// Running the thread's messages for a while, as the program's own loop would.
#include <chrono>
#include <functional>

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::testing {

// Dispatches the thread's messages until `done` holds or `most` has passed;
// whether `done` held.
inline bool runMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds most) {
    const auto end = std::chrono::steady_clock::now() + most;
    while (!done()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

}  // namespace pelin::testing
