#pragma once
// Measuring and drawing one owner-drawn menu item: an icon column on the left,
// the caption after it, the shortcut label right-aligned, embossed text for
// disabled items, and one of three selection looks chosen by the Style of the
// cIconMenu (0 plain highlight, 1 highlight beside a raised icon cell, 2 menu
// colours in a thin raised frame).
#include "iconmenu/icon_menu.h"

namespace pelin::iconmenu {

// The font of an item: the default interface font with the item's styles.
MenuFont CreateMenuFont(const cIconMenuItem& item);

// Fills in the item's width and height. Menu-bar items are as high as a
// menu-bar button and as wide as their own text; the items of one drop-down
// menu are all as wide as its longest text and one icon cell (plus 2) high.
void MeasureMenuItem(const cIconMenu& menu, MenuPainter& dc, MeasureItemRecord& record);

// Draws the item completely, whatever the request names.
void DrawMenuItem(const cIconMenu& menu, const DrawItemRecord& record);

void DrawMenuItemText(MenuPainter& dc, const cIconMenuItem& item, const Rect& textRect, bool enabled);
void DrawMenuIcon(const cIconMenu& menu, MenuPainter& dc, int position, int x, int y, bool enabled);
void DrawMenuCheck(MenuPainter& dc, const Rect& rect);

// The answer to a menu character typed while `menuHandle` is open: execute the
// item whose access key it is (the last such item in scan order), or 0.
std::int32_t FindMenuAccessKey(const cIconMenu& menu, std::uint32_t wParam, MenuHandle menuHandle);

}  // namespace pelin::iconmenu
