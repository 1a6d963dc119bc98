#pragma once
// The recorded items of one window's menus, in the order they were recorded,
// each under a key of its own (keys compared without regard to case).
#include <unordered_map>
#include <vector>

#include "iconmenu/icon_menu_item.h"

namespace pelin::iconmenu {

class IconMenuItemCollection {
public:
    // False, with nothing added, when the key is taken.
    bool Add(cIconMenuItem item, TextView key);
    const cIconMenuItem* Find(TextView key) const;
    std::size_t Count() const { return items_.size(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<cIconMenuItem> items_;
    std::unordered_map<Text, std::size_t> byKey_;
};

}  // namespace pelin::iconmenu
