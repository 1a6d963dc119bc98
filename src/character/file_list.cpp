#include "character/file_list.h"

#include <algorithm>

#include "text/textfile.h"

namespace pelin::character {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

}  // namespace

std::vector<Text> listFiles(const std::filesystem::path& folder, std::string_view extension) {
    std::vector<Text> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path name = it->path().filename();
        const std::string native = name.string();
        if (native.empty() || native.front() == '.') continue;  // hidden
        if (native.size() <= extension.size() ||
            !sameIgnoringCase(std::string_view(native).substr(native.size() - extension.size()), extension))
            continue;
        std::error_code statError;
        if (!it->is_regular_file(statError)) continue;
        names.push_back(text::fromPath(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

void FileListBox::refresh() {
    const Text was = selected();
    items = listFiles(folder, extension);
    listIndex = -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (!was.empty() && items[i] == was) listIndex = static_cast<std::int32_t>(i);
}

bool FileListBox::setListIndex(std::int64_t index) {
    if (index < -1 || index >= static_cast<std::int64_t>(items.size())) return false;
    listIndex = static_cast<std::int32_t>(index);
    if (onClick && listIndex >= 0) onClick();
    return true;
}

Text FileListBox::selected() const {
    return listIndex >= 0 && listIndex < static_cast<std::int32_t>(items.size())
               ? items[static_cast<std::size_t>(listIndex)]
               : Text();
}

}  // namespace pelin::character
