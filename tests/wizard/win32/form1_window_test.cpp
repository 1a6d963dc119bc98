// The main window built from the wizard's model, driven as a user drives it:
// through the notifications its windows send.
#include "wizard/win32/form1_window.h"

#include <gtest/gtest.h>

#include "form/win32/control_name.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "text/textfile.h"

// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

namespace pelin::wizard::win32 {
namespace {

using pelin::testing::TempDir;

class Form1WindowTest : public ::testing::Test {
protected:
    void SetUp() override { form::win32::Binder::setStrict(true); }

    Form1Window& open() {
        window = std::make_unique<Form1Window>(services, ini, Form1Options{dir.path(), false});
        window->Form_Load();
        ShowWindow(window->handle(), SW_SHOWNOACTIVATE);
        return *window;
    }
    HWND control(std::string_view name) const { return form::win32::findControl(window->handle(), name); }

    TempDir dir;
    settings::SettingsFile ini{dir.path()};
    pelin::testing::ScriptedDialogs dialogs;
    pelin::testing::RecordingMessages messages;
    pelin::testing::FakePictures pictures;
    pelin::testing::FakeClipboard clipboard;
    pelin::testing::FakeShell shell;
    pelin::testing::FakeWindows windows;
    form::Services services{messages, dialogs, pictures, clipboard, shell, windows};
    std::unique_ptr<Form1Window> window;
};

TEST_F(Form1WindowTest, HoldsEveryControlOfItsTableInItsContainer) {
    Form1Window& form = open();
    for (const form::ControlEntry& entry : form.model().controls()) {
        SCOPED_TRACE(entry.name());
        if (const form::MenuItem* item = entry.as<form::MenuItem>()) {
            if (item->separator) continue;
            if (form.model().controls().holdsItems(*item)) EXPECT_NE(form.binder().menuOf(*item), nullptr);
            else EXPECT_NE(form.binder().commandOf(*item), 0u);
            continue;
        }
        HWND shown = control(entry.name());
        ASSERT_NE(shown, nullptr);
        const HWND container = entry.container ? control(entry.container->name) : form.handle();
        EXPECT_TRUE(IsChild(container, shown));
    }
}

TEST_F(Form1WindowTest, NextOnTheFirstStepWithASourceShowsTheSecondStep) {
    const auto source = dir.write("diary.txt", text::toCp932(u"きょうは晴れ。\r\n"));
    dialogs.chooseFile(source);  // the start-up asks for the source at once
    open();
    ASSERT_TRUE(IsWindowVisible(control("Frame1")));
    ASSERT_TRUE(IsWindowEnabled(control("SubFoword")));

    SendMessageW(control("SubFoword"), BM_CLICK, 0, 0);

    EXPECT_TRUE(IsWindowVisible(control("Frame2")));
    for (int step : {1, 3, 4, 5, 6, 7, 8, 9, 10})
        EXPECT_FALSE(IsWindowVisible(control("Frame" + std::to_string(step)))) << step;
    EXPECT_EQ(window->model().CurrentStep, 2);
}

TEST_F(Form1WindowTest, AColourCodeTypedIntoTheTextBoxShowsInTheSample) {
    open();
    const HWND code = control("CText1");
    const HWND sample = control("SampleFont1");
    // An EDIT tells its parent of text set into it as it does of typing.
    SendMessageW(code, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"3366CC"));

    // The colour the sample is drawn in is the one its container gives it.
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(GetParent(sample), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(sample));
    EXPECT_EQ(GetTextColor(dc), RGB(0x33, 0x66, 0xCC));
    DeleteDC(dc);
}

// What the shell hands a window that files are dropped on: their paths in one
// block of memory, which the window frees.
HDROP dropOf(const std::filesystem::path& file) {
    const std::wstring path = file.wstring();
    const SIZE_T size = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::copy(path.begin(), path.end(), reinterpret_cast<wchar_t*>(drop + 1));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(Form1WindowTest, AFileDroppedOnTheSourceBoxBecomesTheSourceWithoutADialog) {
    open();  // the start-up's dialog is cancelled: no source yet
    const auto source = dir.write("dropped.txt", text::toCp932(u"ぺりん\r\n"));
    const std::size_t dialogsShown = dialogs.calls.size();

    SendMessageW(control("txtHTML"), WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf(source)), 0);

    EXPECT_EQ(dialogs.calls.size(), dialogsShown);
    EXPECT_TRUE(window->model().lastSourceChoice.chosen);
    EXPECT_EQ(text::toPath(window->model().settings.HTMLCFile), source);
    EXPECT_TRUE(IsWindowEnabled(control("SubFoword")));
}

}  // namespace
}  // namespace pelin::wizard::win32
