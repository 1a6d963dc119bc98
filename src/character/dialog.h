#pragma once
// Dialog: chooses the mascot character, a picture file named "*.pcf" in the
// program's folder (or in the user's own, see CharacterFolders). A click
// previews; "OK" records the choice in the settings file and hands the picture
// to the main window at once.
//
// A plain model: its members are its controls (each `name` is the widget's
// objectName), its member functions the handlers; `controls()` gives where each
// control sits and the tab order.
#include <filesystem>
#include <functional>
#include <memory>

#include "character/file_list.h"
#include "form/control_table.h"
#include "form/services.h"
#include "settings/settings_file.h"

namespace pelin::character {

// Where characters are found. An installed copy's program folder takes no new
// files from its users, so their own characters lie in a folder of theirs.
struct CharacterFolders {
    std::filesystem::path program;
    // Listed after the program folder, its names standing for the same names
    // there; empty for none.
    std::filesystem::path user = {};
};

struct DialogServices {
    form::MessageBoxService& messageBox;
    form::PictureLoader& pictures;
    settings::SettingsFile& ini;
};

class Dialog {
public:
    static constexpr TextView kCaption = u"キャラクター選択ダイアログ";
    static constexpr int kClientWidth = 331;  // pixels
    static constexpr int kClientHeight = 152;

    Dialog(DialogServices services, CharacterFolders folders);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const form::ControlTable& controls() const { return controls_; }

    // Set by the caller: the main window takes a new picture and shows it; the
    // window closes.
    std::function<void(std::shared_ptr<form::Picture>)> setMainPicture;
    std::function<void()> onClose;

    FileListBox PCFFile{"PCFFile"};
    form::Label Label1{"Label1"};
    form::PictureBox Image1{"Image1"};
    form::Button OKButton{"OKButton"}, CancelButton{"CancelButton"}, Redata{"Redata"};

    void Form_Load();
    void PCFFile_Click();
    void OKButton_Click();
    void CancelButton_Click();
    void Redata_Click();

    // The stored form of a character's path: its folder, separator, name.
    static Text characterPath(const std::filesystem::path& folder, TextView name);

private:
    // The selected character's path, or empty.
    Text selectedPath() const;
    // True, after a message naming it, when `path` is too large to be a picture.
    bool refusedAsTooLarge(const Text& path);

    DialogServices services_;
    CharacterFolders folders_;
    form::ControlTable controls_;
};

}  // namespace pelin::character
