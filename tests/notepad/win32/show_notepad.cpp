// Shows the notepad with a page in it for a few seconds, for a look at it
// (screenshots); not a test. Usage: show_notepad [SECONDS]
#include <cstdlib>

#include "notepad/win32/program_notepad.h"
#include "support/fakes.h"

// clang-format off
#include <windows.h>
// clang-format on

int main(int argc, char** argv) {
    using namespace pelin;
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    testing::RecordingMessages messages;
    testing::FakeClipboard clipboard;
    testing::FakeShell shell;
    testing::ScriptedDialogs dialogs;
    notepad::win32::ProgramNotepad notepad({messages, clipboard, shell}, dialogs);
    notepad.show(
        u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
        u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
        u"<title>ぺりんの日記</title>\r\n</head>\r\n<body>\r\n"
        u"今日はとても良い天気でした。公園を散歩して、帰りに本屋へ寄りました。長い行は窓の幅で折り返されます。"
        u"<br>\r\n</body>\r\n</html>\r\n",
        u"C:\\page.html");
    SetTimer(nullptr, 0, static_cast<UINT>((argc > 1 ? std::atoi(argv[1]) : 8) * 1000), nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER && notepad.window()) {
        if (form::win32::Binder::translateAccelerator(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
