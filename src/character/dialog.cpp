#include "character/dialog.h"

#include "form/messages.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "settings/answer_keys.h"
#include "text/textfile.h"

namespace pelin::character {

Dialog::Dialog(DialogServices services, CharacterFolders folders) : services_(services), folders_(std::move(folders)) {
    PCFFile.extension = ".pcf";
    PCFFile.toolTip = u"PCFファイルを選択してください";
    Label1.caption = u"プレビュー";
    OKButton.caption = u"OK";
    OKButton.toolTip = u"キャラクターを変更する";
    CancelButton.caption = u"ｷｬﾝｾﾙ";
    CancelButton.toolTip = u"キャラクターを変更しない";
    Redata.caption = u"リスト読込";
    Redata.toolTip = u"ファイル一覧を再読込";
    PCFFile.onClick = [this] { PCFFile_Click(); };
    OKButton.onClick = [this] { OKButton_Click(); };
    CancelButton.onClick = [this] { CancelButton_Click(); };
    Redata.onClick = [this] { Redata_Click(); };

    // The heading keeps the margin from the window's top that the list and the
    // buttons have; the preview below it ends level with the list.
    controls_.add(OKButton, nullptr, {3720, 120, 1215, 375}, 0);
    controls_.add(CancelButton, nullptr, {3720, 600, 1215, 375}, 1);
    controls_.add(PCFFile, nullptr, {120, 120, 2055, 2070}, 2);
    controls_.add(Redata, nullptr, {3720, 1080, 1215, 375}, 3);
    controls_.add(Label1, nullptr, {2280, 120, 1335, 255});
    controls_.add(Image1, nullptr, {2280, 375, 1335, 1815});
}

Text Dialog::characterPath(const std::filesystem::path& folder, TextView name) {
    Text path = text::fromPath(folder);
    while (!path.empty() && platform::isFolderSeparator(path.back())) path.pop_back();
    path += platform::kFolderSeparator;
    path += name;
    return path;
}

Text Dialog::selectedPath() const {
    const Text name = PCFFile.selected();
    return name.empty() ? Text() : characterPath(PCFFile.selectedFolder(), name);
}

void Dialog::Form_Load() {
    PCFFile.folders = {folders_.program};
    if (!folders_.user.empty()) PCFFile.folders.push_back(folders_.user);
    PCFFile.listIndex = -1;
    PCFFile.refresh();
    Image1.picture.reset();
}

bool Dialog::refusedAsTooLarge(const Text& path) {
    const platform::Result<std::uintmax_t> size =
        platform::fileSize(text::toPath(path), platform::kMaxPictureFileBytes);
    if (size || size.error().kind != platform::FileErrorKind::TooLarge) return false;
    services_.messageBox.show(
        form::fileErrorMessage(u"キャラクターの画像を読み込めませんでした (64 MB まで)。", size.error()),
        form::kMbWarning, form::kProgramTitle);
    return true;
}

void Dialog::PCFFile_Click() {
    const Text path = selectedPath();
    if (path.empty()) return;
    if (refusedAsTooLarge(path)) {
        Image1.picture.reset();
        return;
    }
    // A file that holds no picture the loader knows leaves the preview empty.
    Image1.picture = services_.pictures.load(text::toPath(path));
}

void Dialog::OKButton_Click() {
    // Without a chosen file there is nothing to apply.
    const Text path = selectedPath();
    if (path.empty()) return;
    // A picture that is refused is not kept either: the dialog stays open for another.
    if (refusedAsTooLarge(path)) return;
    if (platform::Result<> written = services_.ini.WriteSetting(settings::kSectionData, settings::kKeyCharacter, path);
        !written) {
        services_.messageBox.show(
            form::fileErrorMessage(u"キャラクターの設定を保存できませんでした。", written.error()), form::kMbWarning,
            form::kProgramTitle);
    }
    // A file that is no picture leaves the main window's character as it was.
    if (std::shared_ptr<form::Picture> picture = services_.pictures.load(text::toPath(path)))
        if (setMainPicture) setMainPicture(std::move(picture));
    if (onClose) onClose();
}

void Dialog::CancelButton_Click() {
    if (onClose) onClose();
}

void Dialog::Redata_Click() { PCFFile.refresh(); }

}  // namespace pelin::character
