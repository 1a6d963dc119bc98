#pragma once
// A file list box: the names of the ordinary files of one folder whose names end
// in one extension, without folder, sorted by name.
#include <filesystem>
#include <vector>

#include "form/controls.h"

namespace pelin::character {

using text::Text;
using text::TextView;

// The names of the regular, non-hidden files in `folder` whose extension is
// `extension` (".pcf"; letter case ignored, as the file system the characters
// came from ignores it), sorted. A folder that cannot be read lists nothing.
std::vector<Text> listFiles(const std::filesystem::path& folder, std::string_view extension);

struct FileListBox : form::Control {
    using Control::Control;
    std::filesystem::path folder;
    std::string extension;
    std::vector<Text> items;
    std::int32_t listIndex = -1;
    form::Handler onClick;

    // Reads the folder again; the selection is kept on the same name while it is
    // still there.
    void refresh();
    // A click on an item (or the selection moved by keyboard); -1 clears.
    bool setListIndex(std::int64_t index);
    // The selected name, or empty.
    Text selected() const;
};

}  // namespace pelin::character
