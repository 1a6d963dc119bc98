#include "shell/win32/system_shell.h"

#include "form/win32/win_text.h"
#include "platform/win_error.h"
#include "text/text.h"

// clang-format off
#include <shellapi.h>
// clang-format on

namespace pelin::shell::win32 {

using form::win32::toWide;

HWND SystemShell::owner() const { return owner_ && IsWindow(owner_) ? owner_ : GetActiveWindow(); }

void SystemShell::showFileProperties(TextView path) {
    // The shell's own messages about a path it cannot show stay unshown: the
    // command has nothing to report.
    const std::wstring file = toWide(path);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_FLAG_NO_UI;
    request.hwnd = owner();
    request.lpVerb = L"properties";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (!file.empty()) ShellExecuteExW(&request);
}

bool SystemShell::showInternetOptions() {
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    request.hwnd = owner();
    request.lpFile = L"rundll32.exe";
    request.lpParameters = L"shell32.dll,Control_RunDLL Inetcpl.cpl";
    request.nShow = SW_SHOWMINIMIZED;
    return ShellExecuteExW(&request) != FALSE;
}

void SystemShell::openInBrowser(TextView url, std::function<void(Text reason)> failed) {
    const std::wstring address = toWide(url);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    // The program tells the user itself, in its own words; the system would
    // show a box of its own.
    request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    request.hwnd = owner();
    request.lpVerb = L"open";
    request.lpFile = address.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&request)) return;
    const DWORD code = GetLastError();
    if (failed) failed(browserFailure(code));
}

Text browserFailure(DWORD code) {
    Text reason = code == ERROR_NO_ASSOCIATION ? Text(u"ウェブページを開くプログラムが登録されていません。")
                                               : Text(u"ウェブページを開くプログラムを起動できません。");
    const std::string said = platform::systemMessage(code);
    if (!said.empty()) reason += u"\r\n" + text::fromUtf8(said);
    return reason;
}

}  // namespace pelin::shell::win32
