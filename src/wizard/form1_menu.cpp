// The menu commands beside the wizard: file properties, the readme, the
// character and version windows, and the Internet options.
#include "form/messages.h"
#include "text/lines.h"
#include "text/textfile.h"
#include "wizard/form1.h"

namespace pelin::wizard {

void Form1::mnufilepro_Click() { services_.shell.showFileProperties(txtHTML.text); }

void Form1::mnuhelpreadme_Click() {
    const std::filesystem::path path = options_.programFolder / "readme.txt";
    platform::Result<Text> content = text::readCp932File(path);
    if (!content) {
        services_.messageBox.show(form::fileErrorMessage(u"Readmeを開けませんでした。", content.error()),
                                  form::kMbWarning, form::kProgramTitle);
        return;
    }
    // The readme is the program's: saving it asks for a file of the user's own.
    services_.windows.showNotepad(text::linesWithCrLf(*content), Text(), text::PageCharset::Cp932);
}

void Form1::mnuoptioncharcter_Click() { services_.windows.showCharacterDialog(); }

void Form1::mnuhelpver_Click() { services_.windows.showVersionWindow(); }

void Form1::mnuoptioninternetoption_Click() {
    if (!services_.shell.showInternetOptions())
        services_.messageBox.show(u"このシステムにはインターネットオプションの設定画面がありません。", form::kMbWarning,
                                  form::kProgramTitle);
}

}  // namespace pelin::wizard
