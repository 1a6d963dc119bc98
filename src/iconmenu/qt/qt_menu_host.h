#pragma once
// The platform's menus over Qt: handles for windows, menu bars and menus, the
// items of a QMenuBar or QMenu as menu items (type flags, command ID, submenu,
// item data and text), and the window procedures in front of each window.
#include <QPointer>
#include <cstdint>
#include <unordered_map>

#include "iconmenu/menu_host.h"

class QAction;
class QMainWindow;
class QWidget;

namespace pelin::iconmenu::qt {

class QtMenuHost : public MenuHost {
public:
    // The one host of the program, created on first use.
    static QtMenuHost& instance();

    WindowHandle registerWindow(QMainWindow* window);
    // Drops the window and the procedure in front of it.
    void forgetWindow(WindowHandle window);
    // The handle of a window, menu bar or menu; 0 when it has none yet.
    std::uint32_t handleOf(const QObject* object) const;
    // The registered window whose menus hold `widget` (a menu bar or menu).
    WindowHandle windowOf(const QWidget* widget) const;
    // The procedure in front of the window's menus; null when none is hooked.
    WindowProcedure* hookOf(WindowHandle window) const;
    // Whether the drawing of `action` is left to its window's procedure.
    static bool isOwnerDrawn(const QAction* action);

    MenuHandle GetMenu(WindowHandle window) override;
    int GetMenuItemCount(MenuHandle menu) override;
    std::int32_t GetMenuItemID(MenuHandle menu, int position) override;
    MenuHandle GetSubMenu(MenuHandle menu, int position) override;
    bool GetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, MenuItemInfo& info) override;
    bool SetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, const MenuItemInfo& info) override;
    void DrawMenuBar(WindowHandle window) override;
    WindowProcedure* SetWindowProc(WindowHandle window, WindowProcedure* procedure) override;
    std::unique_ptr<MenuPainter> GetDC(WindowHandle window) override;

private:
    std::uint32_t handleFor(QObject* object);
    QObject* objectOf(std::uint32_t handle) const;
    QAction* actionAt(MenuHandle menu, int position) const;
    QAction* actionWithId(MenuHandle menu, std::int32_t id) const;
    QAction* findItem(MenuHandle menu, std::int32_t item, bool byPosition) const;
    std::int32_t commandId(QAction* action);
    // Menus change size when their procedure changes: lay them out afresh.
    void relayoutMenus(WindowHandle window);

    // What a window does with requests nobody else answers: nothing.
    class DefaultProcedure : public WindowProcedure {
    public:
        void DrawItem(WindowHandle, const DrawItemRecord&) override {}
        void MeasureItem(WindowHandle, MeasureItemRecord&) override {}
        std::int32_t MenuChar(WindowHandle, std::uint32_t, MenuHandle) override { return 0; }
    };

    std::uint32_t nextHandle_ = 1;
    std::int32_t nextCommandId_ = 1;
    std::unordered_map<std::uint32_t, QPointer<QObject>> objects_;
    std::unordered_map<WindowHandle, WindowProcedure*> procedures_;
    DefaultProcedure default_;
};

}  // namespace pelin::iconmenu::qt
