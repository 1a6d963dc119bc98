#include "character/file_list.h"

#include <algorithm>
#include <map>

#include "text/textfile.h"

namespace pelin::character {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

char16_t lowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool beforeIgnoringCase(TextView a, TextView b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return lowerAscii(x) < lowerAscii(y); });
}

}  // namespace

bool listedBefore(TextView a, TextView b) {
    if (beforeIgnoringCase(a, b)) return true;
    return !beforeIgnoringCase(b, a) && a < b;
}

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
    std::sort(names.begin(), names.end(), listedBefore);
    return names;
}

void FileListBox::refresh() {
    const Text was = selected();
    const std::filesystem::path wasIn = selectedFolder();
    std::map<Text, std::filesystem::path> found;
    for (const std::filesystem::path& folder : folders)
        for (Text& name : listFiles(folder, extension)) found[std::move(name)] = folder;
    std::vector<std::pair<Text, std::filesystem::path>> listed(found.begin(), found.end());
    std::sort(listed.begin(), listed.end(),
              [](const auto& a, const auto& b) { return listedBefore(a.first, b.first); });
    items.clear();
    itemFolders.clear();
    listIndex = -1;
    for (auto& [name, folder] : listed) {
        if (!was.empty() && name == was && folder == wasIn) listIndex = static_cast<std::int32_t>(items.size());
        items.push_back(std::move(name));
        itemFolders.push_back(std::move(folder));
    }
}

Text FileListBox::selected() const {
    return listIndex >= 0 && listIndex < static_cast<std::int32_t>(items.size())
               ? items[static_cast<std::size_t>(listIndex)]
               : Text();
}

std::filesystem::path FileListBox::selectedFolder() const {
    return listIndex >= 0 && listIndex < static_cast<std::int32_t>(itemFolders.size())
               ? itemFolders[static_cast<std::size_t>(listIndex)]
               : std::filesystem::path();
}

}  // namespace pelin::character
