#include "iconmenu/win32/window_icon_menus.h"

#include "iconmenu/win32/win32_menu_host.h"

namespace pelin::iconmenu::win32 {

namespace {

// The dots per inch the pictures are drawn for.
constexpr int kPictureDpi = 96;

}  // namespace

void addMenuPictures(ImageList& list, std::span<const MenuPicture> pictures, const PictureSource& source) {
    if (!source) return;
    for (const MenuPicture& picture : pictures)
        if (std::shared_ptr<form::Picture> loaded = source(picture.name)) list.Add(picture.caption, std::move(loaded));
}

void fitIconCell(cIconMenu& menu, HWND window) {
    const ImageList* list = menu.MenuDefaultImage();
    if (!list) return;
    // The window's device context says the dots per inch its text is drawn
    // at, on every version of the system and for programs that do not scale.
    HDC dc = GetDC(window);
    if (!dc) return;
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    if (dpi <= kPictureDpi) return;
    menu.IconWidth(MulDiv(list->ImageWidth(), dpi, kPictureDpi));
    menu.IconHeight(MulDiv(list->ImageHeight(), dpi, kPictureDpi));
}

void attachIconMenu(cIconMenu& menu, const ImageList& list, HWND window, std::int32_t style) {
    Win32MenuHost& host = Win32MenuHost::instance();
    menu.setMenuHost(&host);
    menu.hTargetWnd(host.registerWindow(window));
    menu.MenuDefaultImage(&list);
    fitIconCell(menu, window);
    menu.Style(style);
    menu.SetIconMenu();
}

void detachIconMenu(cIconMenu& menu, HWND window) {
    menu.UnSetIconMenu();
    MenuHost* host = menu.menuHost();
    if (!host) return;
    for (const cIconMenuItem& item : menu.IconMenuItems()) {
        MenuItemInfo info;
        info.fMask = MIIM_TYPE | MIIM_DATA;
        // An item that moved or changed since it was recorded is not ours to touch.
        if (!host->GetMenuItemInfo(item.hMenu, item.Position, true, info)) continue;
        if (!(info.fType & MFT_OWNERDRAW) || info.dwItemData != item.Index) continue;
        MenuItemInfo plain;
        plain.fMask = MIIM_TYPE | MIIM_DATA;
        plain.fType = info.fType & ~MFT_OWNERDRAW;
        plain.dwItemData = 0;
        plain.dwTypeData = info.dwTypeData;
        if (plain.dwTypeData.empty()) {
            plain.dwTypeData = item.Caption;
            if (!item.ShortCut.empty()) plain.dwTypeData += u'\t' + item.ShortCut;
        }
        host->SetMenuItemInfo(item.hMenu, item.Position, true, plain);
    }
    DrawMenuBar(window);
    if (host == &Win32MenuHost::instance()) {
        Win32MenuHost& windows = Win32MenuHost::instance();
        windows.forgetWindow(windows.registerWindow(window));
    }
}

}  // namespace pelin::iconmenu::win32
