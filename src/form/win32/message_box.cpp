#include "form/win32/message_box.h"

#include "form/win32/win_text.h"

namespace pelin::form::win32 {

UINT messageBoxStyle(int flags, bool owned) {
    // Buttons (low four bits) and icon (next four) as the program gives them;
    // without an owner the box still keeps the program's other windows waiting.
    UINT style = static_cast<UINT>(flags) & (MB_TYPEMASK | MB_ICONMASK | MB_DEFMASK);
    style |= MB_SETFOREGROUND;
    if (!owned) style |= MB_TASKMODAL;
    return style;
}

int Win32MessageBox::show(TextView prompt, int flags, TextView title) {
    HWND owner = owner_ && IsWindow(owner_) ? owner_ : GetActiveWindow();
    const int answer =
        MessageBoxW(owner, toWide(prompt).c_str(), toWide(title).c_str(), messageBoxStyle(flags, owner != nullptr));
    switch (answer) {
    case IDYES: return kAnswerYes;
    case IDNO: return kAnswerNo;
    case IDCANCEL: return kAnswerCancel;
    case IDOK: return kAnswerOk;
    // The box could not be shown: the answer that changes nothing.
    default:
        switch (flags & 0x0F) {
        case kMbYesNoCancel: return kAnswerCancel;
        case kMbYesNo: return kAnswerNo;
        default: return kAnswerOk;
        }
    }
}

}  // namespace pelin::form::win32
