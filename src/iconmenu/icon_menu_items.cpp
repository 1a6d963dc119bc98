#include "iconmenu/icon_menu_items.h"

#include "iconmenu/image_list.h"

namespace pelin::iconmenu {

bool IconMenuItemCollection::Add(cIconMenuItem item, TextView key) {
    const auto [where, added] = byKey_.emplace(keyFold(key), items_.size());
    if (!added) return false;
    items_.push_back(std::move(item));
    return true;
}

const cIconMenuItem* IconMenuItemCollection::Find(TextView key) const {
    const auto where = byKey_.find(keyFold(key));
    return where == byKey_.end() ? nullptr : &items_[where->second];
}

}  // namespace pelin::iconmenu
