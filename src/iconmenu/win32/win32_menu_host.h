#pragma once
// The platform's menus as they are: each window and menu of the Windows API
// gets a small handle of the icon menus' own, menu items are read and written
// with GetMenuItemInfoW and SetMenuItemInfoW, and a hooked window's measure,
// draw and menu-character messages go to the procedure put in front of it (a
// subclass of the window), which passes them on to the window's own.
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "iconmenu/menu_host.h"

// clang-format off
#include <windows.h>
// clang-format on
// The host's members are named as the platform's functions, which <windows.h>
// also defines as macros choosing their ANSI or wide form.
#undef GetMenuItemInfo
#undef SetMenuItemInfo

namespace pelin::iconmenu::win32 {

class Win32MenuHost : public MenuHost {
public:
    // The one host of the program, created on first use.
    static Win32MenuHost& instance();

    Win32MenuHost() = default;
    // Unhooks every window still hooked.
    ~Win32MenuHost() override;
    Win32MenuHost(const Win32MenuHost&) = delete;
    Win32MenuHost& operator=(const Win32MenuHost&) = delete;

    // The window's handle, entered on first use.
    WindowHandle registerWindow(HWND window);
    // Unhooks the window and drops its handle; a window that is destroyed is
    // forgotten by itself.
    void forgetWindow(WindowHandle window);
    HWND windowOf(WindowHandle window) const;
    HMENU menuOf(MenuHandle menu) const;
    // The handle of a menu the host has handed out; 0 for any other.
    MenuHandle knownMenu(HMENU menu) const;
    // The procedure in front of the window; null when none is hooked.
    WindowProcedure* hookOf(WindowHandle window) const;

    MenuHandle GetMenu(WindowHandle window) override;
    int GetMenuItemCount(MenuHandle menu) override;
    std::int32_t GetMenuItemID(MenuHandle menu, int position) override;
    MenuHandle GetSubMenu(MenuHandle menu, int position) override;
    bool GetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, MenuItemInfo& info) override;
    bool SetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, const MenuItemInfo& info) override;
    void DrawMenuBar(WindowHandle window) override;
    // Hooks the window when it has no procedure in front of it; putting the
    // procedure back that the hook returned unhooks it.
    WindowProcedure* SetWindowProc(WindowHandle window, WindowProcedure* procedure) override;
    std::unique_ptr<MenuPainter> GetDC(WindowHandle window) override;

private:
    struct Hook;
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    MenuHandle menuHandle(HMENU menu);
    void unhook(WindowHandle window);

    std::uint32_t nextHandle_ = 1;
    std::unordered_map<std::uint32_t, HWND> windows_;
    std::map<HWND, WindowHandle> windowHandles_;
    std::unordered_map<std::uint32_t, HMENU> menus_;
    std::map<HMENU, MenuHandle> menuHandles_;
    std::unordered_map<WindowHandle, std::unique_ptr<Hook>> hooks_;
    std::vector<std::unique_ptr<Hook>> retired_;
};

}  // namespace pelin::iconmenu::win32
