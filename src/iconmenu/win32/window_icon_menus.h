#pragma once
// The icon menus on a window of the Windows API: the pictures of the items,
// found by name in a picture source, and attaching a cIconMenu to the window's
// menu bar and detaching it again when the window closes.
//
// The main window's model attaches its own cIconMenu when it loads, from the
// host and window handle it is given: the wiring gives it
// `Win32MenuHost::instance()` and `registerWindow(hwnd)`, fills its image list
// with addMenuPictures, fits the icon cell after the load, and calls
// detachIconMenu once the window agreed to close.
//
// The icon menus name their constants and host functions as the platform does
// (MIIM_ID, DT_CALCRECT, GetMenuItemInfo): their headers come before
// <windows.h>, or any header that includes it, in every source.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "form/controls.h"
#include "iconmenu/icon_menu.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::iconmenu::win32 {

// The picture of a name ("menu-open"); null when there is none.
using PictureSource = std::function<std::shared_ptr<form::Picture>(std::string_view name)>;

// An item's caption, "&" included, and the name of the picture it shows.
struct MenuPicture {
    Text caption;
    std::string name;
};

// Adds each caption's picture to `list`; a name without a picture adds none.
void addMenuPictures(ImageList& list, std::span<const MenuPicture> pictures, const PictureSource& source);

// Grows the icon cell with the window's dots per inch (the pictures stay their
// size, centred in it), so that the captions fit beside it.
void fitIconCell(cIconMenu& menu, HWND window);

// Makes `menu` draw the window's menus with the pictures of `list`, which must
// outlive the attachment: the items become owner-drawn and the window hooked.
void attachIconMenu(cIconMenu& menu, const ImageList& list, HWND window, std::int32_t style = 1);

// Unhooks the window and gives the items `menu` made owner-drawn their plain
// look and text back, so the menus work without the hook.
void detachIconMenu(cIconMenu& menu, HWND window);

}  // namespace pelin::iconmenu::win32
