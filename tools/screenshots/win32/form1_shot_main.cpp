// Shows the Windows main window on one step, filled in as a user would, for a
// screen grab from outside: pelin_form1_shot STEP [SECONDS].
#include <cstdlib>
#include <cwchar>

// The wizard first: the menu drawing names some of its values as <windows.h>
// names its macros.
#include "wizard/win32/form1_window.h"

#include "form/win32/bundled_picture.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

// clang-format off
#include <windows.h>
// clang-format on

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const int step = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 1;
    const int seconds = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 5;

    pelin::testing::TempDir dir;
    const auto source = dir.write("diary.txt", pelin::text::toCp932(u"きょうは晴れ。\r\nぺりんと散歩しました。\r\n"));
    pelin::settings::SettingsFile ini(dir.path());
    pelin::testing::ScriptedDialogs dialogs;
    pelin::testing::RecordingMessages messages;
    pelin::testing::FakePictures pictures;
    pelin::testing::FakeClipboard clipboard;
    pelin::testing::FakeShell shell;
    pelin::testing::FakeWindows windows;
    pelin::form::Services services{messages, dialogs, pictures, clipboard, shell, windows};
    dialogs.chooseFile(source);
    pelin::wizard::win32::Form1Window window(services, ini, {dir.path(), false});
    window.Form_Load();
    pelin::wizard::Form1& model = window.model();
    // A character as the settings name it: a picture file at its own size, which
    // the window scales to its dots per inch.
    model.picture = pelin::form::win32::bundledPicture("mascot-blue", 96);
    model.txtTitle.setText(u"ぺりんの日記");
    model.DCheck1.setValue(1);
    model.DCheck2.setValue(1);
    model.Combo31.setListIndex(5);
    dialogs.chooseColour(0xCC6600);
    model.DLinkColor.click();
    model.CText1.setText(u"333366");
    model.CText2.setText(u"0066CC");
    model.CText3.setText(u"CC3300");
    model.CText4.setText(u"663399");
    model.CText5.setText(u"FFF8F0");
    model.txtTOPM.setText(u"10");
    model.Comment81.setValue(1);
    model.txtComment.setText(u"ぺりんで作りました");
    for (int at = 1; at < step && at < 9; ++at) model.SubFoword.click();
    if (step >= 10) {
        dialogs.chooseFile(dir / "page.htm");
        model.HozonDialog.click();
        model.SubFoword.click();
    }
    window.refresh();
    SetWindowPos(window.handle(), nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window.handle(), SW_SHOW);
    UpdateWindow(window.handle());

    SetTimer(nullptr, 0, static_cast<UINT>(seconds * 1000), nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && !message.hwnd) break;
        if (IsDialogMessageW(window.handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
