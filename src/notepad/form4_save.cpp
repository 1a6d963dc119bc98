// The notepad's saving: back to the file its text came from, under a chosen
// name, the write itself, and the question before unsaved edits would be lost.
#include "form/browser.h"
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
    // A character the file's set cannot hold would come back as something else,
    // so the file is left as it was and the user is told which (by its code too:
    // a no-break space looks like any other) and shown where.
    if (const char32_t c = text::firstUnencodableIn(DocumentCharset, content)) {
        const Text shown = character(c);
        // Its first place is the one found: an earlier one would have been found first.
        Text1.selStart = static_cast<std::int32_t>(content.find(shown));
        Text1.selLength = static_cast<std::int32_t>(shown.size());
        messageBox_.show(u"「" + shown + u"」(U+" + hex(c) + u") はこのファイルの文字コード (" +
                             Text(text::charsetName(DocumentCharset)) +
                             u") で保存できない文字です。\r\n"
                             u"この文字を別の文字に置き換えてから保存してください。保存は行われていません。",
                         form::kMbWarning, form::kProgramTitle);
        return false;
    }
    if (SavePath.empty()) {
        messageBox_.show(u"保存先のファイル名がありません。", form::kMbOk, form::kProgramTitle);
        return false;
    }
    if (platform::Result<> written =
            platform::replaceFile(text::toPath(SavePath), text::encodeIn(DocumentCharset, content));
        !written) {
        messageBox_.show(text::fromUtf8(platform::shownReason(written.error())) + u"\r\n" + SavePath, form::kMbOk,
                         form::kProgramTitle);
        return false;
    }
    savedText_ = Text1.text;
    return true;
}

bool Form4::saveOver() {
    // A text of no file has nowhere to go back to: it is saved as a new file.
    if (DocumentPath.empty()) return saveAs();
    SavePath = DocumentPath;
    return SaveToFile();
}

bool Form4::saveAs() {
    if (!mainWindow_.commonDialog) return false;
    form::CommonDialog& dialog = mainWindow_.commonDialog();
    dialog.DialogTitle = u"名前を付けて保存";
    dialog.Flags = form::kCdlOverwritePrompt;
    dialog.Filter = u"テキストファイル、HTMLファイル(*.txt,*.htm,*.html)|*.txt;*.htm;*.html|すべてのファイル(*.*)|*.*|";
    dialog.DefaultExt = u"txt";
    // A text of no file (the readme) proposes no name: the name the dialog last
    // held is a page's, one "はい" away from being overwritten.
    if (DocumentPath.empty()) dialog.FileName.clear();
    // Cancelling writes nothing and leaves SavePath as it was.
    if (!dialog.ShowSave() || dialog.FileName.empty()) return false;
    SavePath = dialog.FileName;
    if (!SaveToFile()) return false;
    // The text now is that file's: 上書き保存 goes there from here on.
    DocumentPath = SavePath;
    showDocumentState();
    return true;
}

void Form4::mnufilea_Click() { saveOver(); }

void Form4::mnufileb_Click() { saveAs(); }

bool Form4::settleUnsavedEdits() {
    if (!modified()) return true;
    switch (messageBox_.show(u"変更を保存しますか？", form::kMbYesNoCancel | form::kMbIconQuestion, kCaption)) {
    case form::kAnswerYes: return saveOver();
    case form::kAnswerNo: return true;
    default: return false;
    }
}

bool Form4::Open(TextView text, TextView file, text::PageCharset charset) {
    if (!settleUnsavedEdits()) return false;
    Text1.setText(Text(text));
    Text1.selStart = Text1.selLength = 0;
    DocumentPath = Text(file);
    DocumentCharset = charset;
    savedText_ = Text1.text;
    showDocumentState();
    return true;
}

void Form4::showDocumentState() { mnufilebrowse.enabled = !DocumentPath.empty(); }

// The browser shows the file as saved: unsaved edits are saved first, or given
// up for this look, or the look is given up.
void Form4::mnufilebrowse_Click() {
    if (DocumentPath.empty() || !settleUnsavedEdits()) return;
    form::openPageInBrowser(shell_, messageBox_, DocumentPath);
}

bool Form4::Form_QueryUnload() { return settleUnsavedEdits(); }

}  // namespace pelin::notepad
