#pragma once
// The data side of the owner-drawn menus: walks a window's whole menu tree
// once, records every item, switches each to owner-drawn, and answers what the
// drawing asks while the menus are open (which item is this, which picture has
// it, how large is the icon cell). An item shows the picture whose key in the
// image list is the item's caption.
#include <cstdint>
#include <memory>

#include "iconmenu/icon_menu_items.h"
#include "iconmenu/image_list.h"
#include "iconmenu/menu_host.h"
#include "iconmenu/menu_window_proc.h"

namespace pelin::iconmenu {

class cIconMenu {
public:
    cIconMenu() = default;
    // The window must not keep calling a procedure that is gone.
    ~cIconMenu() { UnSetIconMenu(); }
    cIconMenu(const cIconMenu&) = delete;
    cIconMenu& operator=(const cIconMenu&) = delete;

    // The platform's menus; without one the icon menus do nothing.
    void setMenuHost(MenuHost* host) { host_ = host; }
    MenuHost* menuHost() const { return host_; }

    // Records the menus, makes them owner-drawn and hooks the window.
    void SetIconMenu();
    // Removes the hook; the items stay recorded and owner-drawn.
    void UnSetIconMenu();
    // The key of the item whose Index is `lngID`; empty when none has it.
    Text GetIDtoKey(std::int32_t lngID) const;
    // The 0-based position of the picture keyed `strKey`; -1 when there is none.
    std::int32_t GetImageIndex(TextView strKey) const;

    WindowHandle hTargetWnd() const { return hTargetWnd_; }
    void hTargetWnd(WindowHandle window);
    MenuHandle hMenu() const { return hMenu_; }
    const IconMenuItemCollection& IconMenuItems() const;
    void IconMenuItems(std::shared_ptr<IconMenuItemCollection> items) { IconMenuItems_ = std::move(items); }
    const ImageList* MenuDefaultImage() const { return MenuDefaultImage_; }
    void MenuDefaultImage(const ImageList* list);
    std::int32_t IconWidth() const { return IconWidth_; }
    void IconWidth(std::int32_t width);
    std::int32_t IconHeight() const { return IconHeight_; }
    void IconHeight(std::int32_t height);
    std::int32_t Style() const { return Style_; }
    void Style(std::int32_t style) { Style_ = style; }

    // The record of the item with this key; null when there is none.
    const cIconMenuItem* item(TextView key) const { return IconMenuItems().Find(key); }
    bool hooked() const { return windowProc_.hooked(); }

private:
    void ScanMenu(MenuHandle menu);
    void AddMenuItem(MenuHandle menu, std::int32_t item, bool byPosition, std::int32_t position);

    mutable std::shared_ptr<IconMenuItemCollection> IconMenuItems_;
    WindowHandle hTargetWnd_ = 0;
    MenuHandle hMenu_ = 0;
    std::int32_t NextIndex_ = 0;
    std::int32_t IconWidth_ = 0;
    std::int32_t IconHeight_ = 0;
    const ImageList* MenuDefaultImage_ = nullptr;
    std::int32_t Style_ = 0;

    MenuHost* host_ = nullptr;
    MenuWindowProc windowProc_{*this};
};

// Cuts `text` at its first NUL; moves what follows its first tab into
// `shortcut`. Without a tab both stay as they are.
void SplitCaption(Text& text, Text& shortcut);
// The access key of a caption: the character after its first "&", or empty.
Text accessKeyOf(TextView caption);

}  // namespace pelin::iconmenu
