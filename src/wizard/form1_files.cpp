// The file choices: the source text, the style sheet, the destination, and
// opening the finished page in the notepad.
#include <filesystem>
#include <limits>

#include "form/browser.h"
#include "form/messages.h"
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
constexpr int kKeyEnter = 13;
constexpr TextView kCannotSaveThere = u"ここには保存できません。";

// The folder the source dialog opens in when no folder was kept. The program
// once started at the root of the system drive; here the user's home folder
// is the natural place to begin.
Text homeFolder() {
    Text folder = text::fromPath(platform::homeFolder());
    if (!platform::isFolderSeparator(folder.back())) folder.push_back(kSeparator);
    return folder;
}

}  // namespace

Text Form1::sourceInitDir() {
    const Text kept = readSetting(settings::kSectionSetei, settings::kKeySourceFolder);
    return kept.empty() ? homeFolder() : kept;
}

// A path typed without its folder is taken in the folder the box's own dialog
// would open in now, the one the user last saw, not in the folder the program
// happened to be started from (which a program started from the desktop's menu
// never shows). The full path then stands in the box.
Text Form1::fullTypedPath(const Text& typed, const form::CommonDialog& asShown) {
    const std::filesystem::path path = text::toPath(typed);
    if (path.is_absolute()) return typed;
    return text::fromPath((text::toPath(asShown.StartFolder()) / path).lexically_normal());
}

void Form1::Command11_Click() {
    lastSourceChoice = {};
    CommonDialog1.InitDir = sourceInitDir();
    CommonDialog1.Filter = u"テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*";
    CommonDialog1.FilterIndex = 1;
    CommonDialog1.Flags = form::kCdlFileMustExist;
    CommonDialog1.DialogTitle = u"HTML変換するテキストを選択";
    if (!CommonDialog1.ShowOpen()) return noSourceChosen();
    takeSource(CommonDialog1.FileName);
}

// The file is looked at before anything changes: one that the conversion could
// not read (missing, a folder, a pipe, a device, 2 GiB or more) is no choice, and
// the window must not go on showing the previous file's figures beside its name.
bool Form1::takeSource(const Text& path) {
    // A size held in a signed 32-bit number: 2 GiB or more is refused with the rest.
    static_assert(platform::kMaxSourceFileBytes <= std::numeric_limits<std::int32_t>::max());
    const platform::Result<std::uintmax_t> length = platform::fileSize(text::toPath(path));
    if (!length) {
        noSourceChosen();
        lastSourceChoice.error = length.error();
        services_.messageBox.show(form::fileErrorMessage(u"このファイルは変換できません。", length.error()),
                                  form::kMbWarning, form::kProgramTitle);
        return false;
    }
    settings.HTMLCFile = path;
    txtHTML.setText(path);
    Caption = kWindowTitle + u" - [" + path + u"]";
    settings.FileSize = static_cast<std::int32_t>(*length);
    if (settings.FileSize > 0)
        txtHTMLSize.caption = u"ファイルサイズ : " + text::formatReal(settings.FileSize / 1000.0) + u"KB";
    else txtHTMLSize.caption = u"ファイルサイズ : ???? KB";

    // The folder of the chosen file: the path up to and including its last
    // folder separator.
    const std::size_t cut = path.find_last_of(platform::kFolderSeparators);
    // Where the last source lay only saves the user a few clicks; not keeping it
    // is not worth a message.
    (void)writeSetting(settings::kSectionSetei, settings::kKeySourceFolder,
                       cut == Text::npos ? Text() : path.substr(0, cut + 1));
    mnufilepro.enabled = true;
    lastSourceChoice.chosen = true;
    return true;
}

// No source: the caption says so, and the box, the size and the field that the
// conversion reads agree with it, so that no earlier file is converted unseen.
void Form1::noSourceChosen() {
    Caption = kWindowTitle + u" - [ 変換ファイル未指定 ]";
    settings.HTMLCFile.clear();
    settings.FileSize = 0;
    txtHTMLSize.caption.clear();
    txtHTML.setText(Text());
    mnufilepro.enabled = false;
}

// What the box shows is what is converted: a path typed there is taken as the
// source dialog takes a choice. False when it names no file that can be read.
bool Form1::takeTypedSource() {
    if (txtHTML.text == settings.HTMLCFile) return true;
    lastSourceChoice = {};
    if (txtHTML.text.empty()) {
        noSourceChosen();
        return true;
    }
    form::CommonDialog asShown = CommonDialog1;
    asShown.InitDir = sourceInitDir();
    return takeSource(fullTypedPath(txtHTML.text, asShown));
}

void Form1::txtHTML_Change() {
    SubFoword.enabled = true;
    mnufilepro.enabled = !txtHTML.text.empty();
}

void Form1::txtHTML_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEnter) takeTypedSource();
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

// A destination typed into the box is taken as the save dialog takes a name: an
// existing file only once the user agrees to replace it, a new one only in a
// folder that is there and may be written. False keeps the wizard on its step.
bool Form1::takeTypedDestination() {
    if (txtHozon.text == settings.HTMLFilePass) return true;
    form::CommonDialog asShown = CommonDialog1;
    asShown.FileName = settings.WebTitle;
    const Text typed = fullTypedPath(txtHozon.text, asShown);
    const std::filesystem::path path = text::toPath(typed);
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::exists(status)) {
        if (!std::filesystem::is_regular_file(status)) {
            const platform::FileErrorKind kind = std::filesystem::is_directory(status)
                                                     ? platform::FileErrorKind::IsFolder
                                                     : platform::FileErrorKind::NotRegularFile;
            services_.messageBox.show(form::fileErrorMessage(kCannotSaveThere, platform::fileError(path, kind)),
                                      form::kMbWarning, form::kProgramTitle);
            return false;
        }
        if (services_.messageBox.show(form::overwriteQuestion(typed), form::kMbQuestion, form::kProgramTitle) !=
            form::kAnswerYes)
            return false;
    } else if (platform::Result<> creatable = platform::checkCanCreate(path); !creatable) {
        services_.messageBox.show(form::fileErrorMessage(kCannotSaveThere, creatable.error()), form::kMbWarning,
                                  form::kProgramTitle);
        return false;
    }
    settings.HTMLFilePass = typed;
    txtHozon.setText(typed);
    return true;
}

void Form1::Comment81_Click() { txtComment.visible = Comment81.value == 1; }

void Form1::EditBottan_Click() {
    // A page that cannot be read opens an empty notepad, as a missing one does,
    // which must not save its emptiness over the page.
    // The page is in the set its label names, which the last run wrote it in.
    const text::PageCharset charset = text::pageCharsetOf(settings.Charset);
    platform::Result<Text> page = text::readPageFile(text::toPath(settings.HTMLFilePass), charset);
    services_.windows.showNotepad(page ? text::linesWithCrLf(*page) : Text(), page ? settings.HTMLFilePass : Text(),
                                  charset);
}

// The page just written, whatever its size: a browser has no limit.
void Form1::BrowseButton_Click() {
    form::openPageInBrowser(services_.shell, services_.messageBox, settings.HTMLFilePass);
}

}  // namespace pelin::wizard
