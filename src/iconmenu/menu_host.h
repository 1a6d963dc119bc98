#pragma once
// The platform's menus as the icon menus see them: a window's menu tree
// addressed by handles and positions, each item with type flags, a command ID,
// a submenu, item data and text; and the window procedure that answers the
// measure, draw and menu-character requests of owner-drawn items.
#include <cstdint>
#include <memory>

#include "iconmenu/menu_painter.h"

namespace pelin::iconmenu {

// Handles are small numbers handed out by the host; 0 is none.
using WindowHandle = std::uint32_t;
using MenuHandle = std::uint32_t;

// Which fields of MenuItemInfo a read or write covers.
inline constexpr std::uint32_t MIIM_ID = 0x2;
inline constexpr std::uint32_t MIIM_SUBMENU = 0x4;
inline constexpr std::uint32_t MIIM_TYPE = 0x10;
inline constexpr std::uint32_t MIIM_DATA = 0x20;
// Item type flags.
inline constexpr std::uint32_t MFT_OWNERDRAW = 0x100;
inline constexpr std::uint32_t MFT_SEPARATOR = 0x800;

struct MenuItemInfo {
    std::uint32_t fMask = 0;
    std::uint32_t fType = 0;
    std::int32_t wID = 0;
    MenuHandle hSubMenu = 0;
    std::int32_t dwItemData = 0;
    Text dwTypeData;  // the item text: caption, then a tab and the shortcut label
};

// Control type of menu items, and the item state bits of a draw request.
inline constexpr std::uint32_t ODT_MENU = 1;
inline constexpr std::uint32_t ODS_SELECTED = 1;
inline constexpr std::uint32_t ODS_GRAYED = 2;
inline constexpr std::uint32_t ODS_DISABLED = 4;
inline constexpr std::uint32_t ODS_CHECKED = 8;
// Answer to a menu character: execute the item at the position in the low word.
inline constexpr std::int32_t MNC_EXECUTE_HIGH = 0x20000;

struct DrawItemRecord {
    std::uint32_t CtlType = ODT_MENU;
    std::uint32_t itemState = 0;
    MenuPainter* hDC = nullptr;
    Rect rcItem;
    std::int32_t itemData = 0;
};

struct MeasureItemRecord {
    std::uint32_t CtlType = ODT_MENU;
    int itemWidth = 0;
    int itemHeight = 0;
    std::int32_t itemData = 0;
};

// A window's procedure for the three requests of owner-drawn menus.
class WindowProcedure {
public:
    virtual ~WindowProcedure() = default;
    virtual void DrawItem(WindowHandle window, const DrawItemRecord& record) = 0;
    virtual void MeasureItem(WindowHandle window, MeasureItemRecord& record) = 0;
    // `wParam`'s low 16 bits hold the character typed (a UTF-16 unit). The
    // answer's high word says what to do: 0 ignores the key with a beep,
    // MNC_EXECUTE executes the item at the low word's position.
    virtual std::int32_t MenuChar(WindowHandle window, std::uint32_t wParam, MenuHandle menu) = 0;
};

class MenuHost {
public:
    virtual ~MenuHost() = default;

    virtual MenuHandle GetMenu(WindowHandle window) = 0;
    virtual int GetMenuItemCount(MenuHandle menu) = 0;
    // -1 for an item that opens a submenu.
    virtual std::int32_t GetMenuItemID(MenuHandle menu, int position) = 0;
    virtual MenuHandle GetSubMenu(MenuHandle menu, int position) = 0;
    // `item` is a position when `byPosition`, else a command ID (searched in
    // submenus too). False when there is no such item.
    virtual bool GetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, MenuItemInfo& info) = 0;
    virtual bool SetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, const MenuItemInfo& info) = 0;
    virtual void DrawMenuBar(WindowHandle window) = 0;

    // Puts `procedure` in front of the window's and returns the one it
    // replaces, which the new one passes requests on to.
    virtual WindowProcedure* SetWindowProc(WindowHandle window, WindowProcedure* procedure) = 0;
    // A surface of the window to measure text on.
    virtual std::unique_ptr<MenuPainter> GetDC(WindowHandle window) = 0;
};

}  // namespace pelin::iconmenu
