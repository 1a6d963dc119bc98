// The file choices: the source text, the style sheet, the destination, and
// opening the finished page in the notepad.
#include <limits>

#include "platform/folders.h"
#include "text/lines.h"
#include "text/numbers.h"
#include "text/textfile.h"
#include "wizard/form1.h"
#include "wizard/step_texts.h"
#include "wizard/values.h"

namespace pelin::wizard {
namespace {

constexpr char16_t kSeparator = platform::kFolderSeparator;

// The folder the source dialog opens in when no folder was kept. The program
// once started at the root of the system drive; here the user's home folder
// is the natural place to begin.
Text homeFolder() {
    Text folder = text::fromPath(platform::homeFolder());
    if (!platform::isFolderSeparator(folder.back())) folder.push_back(kSeparator);
    return folder;
}

}  // namespace

void Form1::Command11_Click() {
    lastSourceChoice = {};
    auto fail = [this] {
        Caption = kWindowTitle + u" - [ 変換ファイル未指定 ]";
        mnufilepro.enabled = false;
    };

    const Text kept = readSetting(settings::kSectionSetei, settings::kKeySourceFolder);
    CommonDialog1.InitDir = kept.empty() ? homeFolder() : kept;
    CommonDialog1.Filter = u"テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*";
    CommonDialog1.FilterIndex = 1;
    CommonDialog1.Flags = form::kCdlFileMustExist;
    CommonDialog1.DialogTitle = u"HTML変換するテキストを選択";
    if (!CommonDialog1.ShowOpen()) return fail();

    const Text path = CommonDialog1.FileName;
    settings.HTMLCFile = path;
    txtHTML.setText(path);
    Caption = kWindowTitle + u" - [" + path + u"]";

    // A size held in a signed 32-bit number: 2 GiB or more is refused with the rest.
    static_assert(platform::kMaxSourceFileBytes <= std::numeric_limits<std::int32_t>::max());
    const platform::Result<std::uintmax_t> length = platform::fileSize(text::toPath(path));
    if (!length) {
        lastSourceChoice.error = length.error();
        return fail();
    }
    settings.FileSize = static_cast<std::int32_t>(*length);
    if (settings.FileSize > 0)
        txtHTMLSize.caption = u"ファイルサイズ : " + text::formatReal(settings.FileSize / 1000.0) + u"KB";
    else
        txtHTMLSize.caption = u"ファイルサイズ : ???? KB";

    // The folder of the chosen file: the path up to and including its last
    // folder separator.
    const std::size_t cut = path.find_last_of(platform::kFolderSeparators);
    // Where the last source lay only saves the user a few clicks; not keeping it
    // is not worth a message.
    (void)writeSetting(settings::kSectionSetei, settings::kKeySourceFolder, cut == Text::npos ? Text() : path.substr(0, cut + 1));
    mnufilepro.enabled = true;
    lastSourceChoice.chosen = true;
}

void Form1::txtHTML_Change() {
    SubFoword.enabled = true;
    mnufilepro.enabled = !txtHTML.text.empty();
}

void Form1::Command1_Click() {
    CommonDialog1.Filter = u"外部CSSファイル(*.css)|*.css|すべてのファイル(*.*)|*.*";
    CommonDialog1.FilterIndex = 1;
    CommonDialog1.Flags = form::kCdlFileMustExist;
    CommonDialog1.DialogTitle = u"外部CSSファイルを選択";
    if (!CommonDialog1.ShowOpen()) return;
    settings.CSSFile = CommonDialog1.FileTitle;
    txt_CSS.setText(CommonDialog1.FileTitle);
}

void Form1::HozonDialog_Click() {
    CommonDialog1.Filter = u"すべてのファイル(*.*)|*.*";
    CommonDialog1.FilterIndex = 1;
    CommonDialog1.Flags = form::kCdlOverwritePrompt;
    CommonDialog1.DialogTitle = u"HTML変換したファイルの保存先";
    CommonDialog1.FileName = settings.WebTitle;
    CommonDialog1.DefaultExt = u"htm";
    if (!CommonDialog1.ShowSave()) {
        txtHozon.setText(Text());
        return;
    }
    settings.HTMLFilePass = CommonDialog1.FileName;
    txtHozon.setText(CommonDialog1.FileName);
}

void Form1::Comment81_Click() { txtComment.visible = Comment81.value == 1; }

void Form1::EditBottan_Click() {
    // A page that cannot be read opens an empty notepad, as a missing one does,
    // which must not save its emptiness over the page.
    platform::Result<Text> page = text::readCp932File(text::toPath(settings.HTMLFilePass));
    services_.windows.showNotepad(page ? text::linesWithCrLf(*page) : Text(), page ? settings.HTMLFilePass : Text());
}

}  // namespace pelin::wizard
