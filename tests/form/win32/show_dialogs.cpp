// Shows a question, the open, save and colour dialogs as the program fills
// them, to look at them on a screen; prints what each gave back.
#include <cstdio>

#include "form/messages.h"
#include "form/win32/common_dialog_backend.h"
#include "form/win32/message_box.h"
#include "text/text.h"

int main() {
    using namespace pelin::form;
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const int answer = win32::Win32MessageBox().show(overwriteQuestion(u"C:\\page.htm"), kMbQuestion, kProgramTitle);
    std::printf("answer %d\n", answer);

    win32::Win32CommonDialogBackend backend;
    CommonDialog dialog(backend);
    dialog.DialogTitle = u"テキストファイルを選択";
    dialog.Filter = u"テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*";
    dialog.FilterIndex = 1;
    dialog.Flags = kCdlFileMustExist;
    dialog.InitDir = u"C:\\windows";
    const bool opened = dialog.ShowOpen();
    std::printf("open %d %s %s %d\n", opened, pelin::text::toUtf8(dialog.FileName).c_str(),
                pelin::text::toUtf8(dialog.FileTitle).c_str(), dialog.FilterIndex);

    dialog.DialogTitle = u"保存先";
    dialog.Filter = u"HTMLファイル(*.htm;*.html)|*.htm;*.html";
    dialog.Flags = kCdlOverwritePrompt;
    dialog.FileName = u"page";
    dialog.DefaultExt = u"htm";
    const bool saved = dialog.ShowSave();
    std::printf("save %d %s\n", saved, pelin::text::toUtf8(dialog.FileName).c_str());

    dialog.Flags = kCdlColorFullOpen;
    const bool coloured = dialog.ShowColor();
    std::printf("colour %d %d\n", coloured, dialog.Color);
    return 0;
}
