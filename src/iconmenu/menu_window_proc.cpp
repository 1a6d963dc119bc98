#include "iconmenu/menu_window_proc.h"

#include "iconmenu/icon_menu.h"
#include "iconmenu/menu_drawing.h"

namespace pelin::iconmenu {

void MenuWindowProc::HookMenuWindow(MenuHost& host, WindowHandle window) {
    if (PrevWndProc_) return;  // one hook at a time: hooking twice would loop
    PrevWndProc_ = host.SetWindowProc(window, this);
}

void MenuWindowProc::UnhookMenuWindow(MenuHost& host, WindowHandle window) {
    if (!PrevWndProc_) return;
    host.SetWindowProc(window, PrevWndProc_);
    PrevWndProc_ = nullptr;
}

void MenuWindowProc::DrawItem(WindowHandle window, const DrawItemRecord& record) {
    DrawMenuItem(menu_, DrawItemRecord(record));
    if (PrevWndProc_) PrevWndProc_->DrawItem(window, record);
}

void MenuWindowProc::MeasureItem(WindowHandle window, MeasureItemRecord& record) {
    MeasureItemRecord copy = record;
    if (MenuHost* host = menu_.menuHost()) {
        if (std::unique_ptr<MenuPainter> dc = host->GetDC(window)) MeasureMenuItem(menu_, *dc, copy);
    }
    record = copy;
    if (PrevWndProc_) PrevWndProc_->MeasureItem(window, record);
}

std::int32_t MenuWindowProc::MenuChar(WindowHandle, std::uint32_t wParam, MenuHandle menu) {
    return FindMenuAccessKey(menu_, wParam, menu);
}

}  // namespace pelin::iconmenu
