// The notepad's saving: over the converted page, under a chosen name, and the
// write itself.
#include "form/messages.h"
#include "notepad/form4.h"
#include "text/characters.h"
#include "text/textfile.h"

namespace pelin::notepad {

namespace {

Text hex(char32_t c) {
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    Text out;
    for (int shift = c > 0xFFFFF ? 20 : c > 0xFFFF ? 16 : 12; shift >= 0; shift -= 4) out += digits[(c >> shift) & 0xF];
    return out;
}

Text character(char32_t c) {
    Text out;
    text::appendCharacter(c, out);
    return out;
}

}  // namespace

bool Form4::SaveToFile() {
    Text content = Text1.text;
    content += u"\r\n";
    // The file is code page 932; a character it cannot hold would come back as
    // something else, so the file is left as it was and the user is told which.
    if (const char32_t c = text::firstUnencodable(content)) {
        messageBox_.show(u"「" + character(c) + u"」(U+" + hex(c) +
                             u") はこのファイルの文字コード (Shift_JIS) で保存できない文字です。\r\n"
                             u"この文字を別の文字に置き換えてから保存してください。保存は行われていません。",
                         form::kMbWarning, form::kProgramTitle);
        return false;
    }
    if (SavePath.empty()) {
        messageBox_.show(u"保存先のファイル名がありません。", form::kMbOk, form::kProgramTitle);
        return false;
    }
    if (platform::Result<> written = text::writeCp932File(text::toPath(SavePath), content); !written) {
        messageBox_.show(text::fromUtf8(platform::shownReason(written.error())) + u"\r\n" + SavePath, form::kMbOk,
                         form::kProgramTitle);
        return false;
    }
    return true;
}

void Form4::mnufilea_Click() {
    SavePath = mainWindow_.htmlFilePass ? mainWindow_.htmlFilePass() : Text();
    SaveToFile();
}

void Form4::mnufileb_Click() {
    if (!mainWindow_.commonDialog) return;
    form::CommonDialog& dialog = mainWindow_.commonDialog();
    dialog.DialogTitle = u"名前を付けて保存";
    dialog.Flags = form::kCdlOverwritePrompt;
    dialog.Filter = u"テキストファイル、HTMLファイル(*.txt,*.htm,*.html)|*.txt;*.htm;*.html|すべてのファイル(*.*)|*.*|";
    dialog.DefaultExt = u"txt";
    // Cancelling writes nothing and leaves SavePath as it was.
    if (!dialog.ShowSave() || dialog.FileName.empty()) return;
    SavePath = dialog.FileName;
    SaveToFile();
}

}  // namespace pelin::notepad
