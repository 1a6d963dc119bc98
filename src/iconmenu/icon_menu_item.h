#pragma once
// One recorded menu item: what the drawing needs to know about it.
#include <cstdint>

#include "iconmenu/menu_host.h"

namespace pelin::iconmenu {

struct cIconMenuItem {
    Text Key;                   // key in the collection; the caption
    std::int32_t Index = 0;     // running number; also the item's item data
    MenuHandle hSubMenu = 0;    // the submenu the item opens, 0 if none
    std::int32_t ID = 0;        // command ID
    Text Caption;               // text before the tab, "&" included
    Text ShortCut;              // text after the tab, empty if none
    Text AccKey;                // the character after the first "&"
    std::int32_t Position = 0;  // 0-based position in the menu holding it
    MenuHandle hMenu = 0;       // the menu holding it (the bar for top-level items)
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
};

}  // namespace pelin::iconmenu
