#include "app/win32/program_wiring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// clang-format off
#include <windows.h>
// clang-format on

namespace {

using pelin::app::win32::linkWindowService;
using pelin::app::win32::ProgramContext;

// The notepads this test made (other tests may have theirs up meanwhile).
std::vector<HWND> notepads() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            wchar_t title[32] = {};
            GetWindowTextW(window, title, 32);
            if (IsWindowVisible(window) && std::wstring(title) == L"ぺりん－メモ帳")
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(ProgramWiring, TheProgramRunsWhileItsOneNotepadIsOpen) {
    ProgramContext context;
    linkWindowService(context);
    ASSERT_TRUE(context.opened.noneLeft());

    context.windows.showNotepad(u"first", u"", pelin::text::PageCharset::Cp932);
    const std::vector<HWND> shown = notepads();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(context.opened.noneLeft());

    // Shown again, the same window takes the new text.
    context.windows.showNotepad(u"second", u"", pelin::text::PageCharset::Cp932);
    EXPECT_EQ(notepads(), shown);

    SendMessageW(shown.front(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(context.opened.noneLeft());
}

}  // namespace
