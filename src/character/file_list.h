#pragma once
// A file list box: the names of the ordinary files of one or more folders whose
// names end in one extension, without folder, sorted by name.
#include <filesystem>
#include <vector>

#include "form/controls.h"

namespace pelin::character {

using text::Text;
using text::TextView;

// The names of the regular, non-hidden files in `folder` whose extension is
// `extension` (".pcf"; letter case ignored, as the file system the characters
// came from ignores it), sorted as the list shows them. A folder that cannot be
// read lists nothing.
std::vector<Text> listFiles(const std::filesystem::path& folder, std::string_view extension);

// The order of the list: by the names' letters whatever their case ("a", "B",
// "c"), names that differ only in case in a fixed order.
bool listedBefore(TextView a, TextView b);

struct FileListBox : form::ListBox {
    using ListBox::ListBox;
    // Read one after another; a name in a later folder stands for the same name
    // in an earlier one.
    std::vector<std::filesystem::path> folders;
    std::string extension;
    std::vector<std::filesystem::path> itemFolders;  // the folder each item lies in

    // Reads the folders again; the selection is kept on the same file while it
    // is still there.
    void refresh();
    // The selected name, or empty.
    Text selected() const;
    // The folder of the selected name, or empty.
    std::filesystem::path selectedFolder() const;
};

}  // namespace pelin::character
