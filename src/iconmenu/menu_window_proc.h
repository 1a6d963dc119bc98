#pragma once
// The window procedure placed in front of the main window's own while the icon
// menus are attached: it measures and draws every owner-drawn item from the
// records of its cIconMenu, answers menu characters from the items' access
// keys, and passes everything on to the procedure it replaced.
#include "iconmenu/menu_host.h"

namespace pelin::iconmenu {

class cIconMenu;

class MenuWindowProc : public WindowProcedure {
public:
    explicit MenuWindowProc(const cIconMenu& menu) : menu_(menu) {}

    void HookMenuWindow(MenuHost& host, WindowHandle window);
    // Harmless when the window is not hooked.
    void UnhookMenuWindow(MenuHost& host, WindowHandle window);
    bool hooked() const { return PrevWndProc_ != nullptr; }

    void DrawItem(WindowHandle window, const DrawItemRecord& record) override;
    void MeasureItem(WindowHandle window, MeasureItemRecord& record) override;
    std::int32_t MenuChar(WindowHandle window, std::uint32_t wParam, MenuHandle menu) override;

private:
    const cIconMenu& menu_;
    WindowProcedure* PrevWndProc_ = nullptr;
};

}  // namespace pelin::iconmenu
