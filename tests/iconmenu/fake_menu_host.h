#pragma once
// An in-memory menu system: windows with menu bars, menus of items (text, type
// flags, command ID, submenu, item data), item reads and writes that honour
// their field mask, and a chain of window procedures per window that starts
// with a default procedure recording what reaches it.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "iconmenu/menu_host.h"
#include "recording_painter.h"

namespace pelin::testing {

using iconmenu::MenuHandle;
using iconmenu::MenuItemInfo;
using iconmenu::WindowHandle;
using iconmenu::WindowProcedure;

struct FakeMenuItem {
    Text text;
    std::uint32_t type = 0;
    std::int32_t id = 0;
    MenuHandle subMenu = 0;
    std::int32_t data = 0;
    bool unreadable = false;  // reading it fails, as for an item gone meanwhile
};

// The window's own procedure: records every request that is passed on to it.
class RecordingProcedure : public WindowProcedure {
public:
    struct Draw {
        WindowHandle window;
        iconmenu::DrawItemRecord record;
        std::size_t callsDrawnBefore;  // what the painter had recorded when the request arrived
    };
    struct Measure {
        WindowHandle window;
        iconmenu::MeasureItemRecord record;
    };
    struct MenuCharacter {
        WindowHandle window;
        std::uint32_t wParam;
        MenuHandle menu;
    };
    std::vector<Draw> draws;
    std::vector<Measure> measures;
    std::vector<MenuCharacter> menuChars;

    void DrawItem(WindowHandle window, const iconmenu::DrawItemRecord& record) override {
        const auto* painter = dynamic_cast<const RecordingPainter*>(record.hDC);
        draws.push_back({window, record, painter ? painter->calls().size() : 0});
    }
    void MeasureItem(WindowHandle window, iconmenu::MeasureItemRecord& record) override {
        measures.push_back({window, record});
    }
    std::int32_t MenuChar(WindowHandle window, std::uint32_t wParam, MenuHandle menu) override {
        menuChars.push_back({window, wParam, menu});
        return 0;
    }
};

class FakeMenuHost : public iconmenu::MenuHost {
public:
    // ---- building the menus ----
    MenuHandle createMenu() {
        const MenuHandle handle = nextMenu_++;
        menus_[handle];
        return handle;
    }
    WindowHandle createWindow(MenuHandle bar = 0) {
        const WindowHandle handle = nextWindow_++;
        Window& w = windows_[handle];
        w.bar = bar;
        w.own = std::make_unique<RecordingProcedure>();
        w.procedure = w.own.get();
        return handle;
    }
    int append(MenuHandle menu, FakeMenuItem item) {
        std::vector<FakeMenuItem>& items = menus_.at(menu);
        items.push_back(std::move(item));
        return static_cast<int>(items.size()) - 1;
    }
    int appendCommand(MenuHandle menu, Text text, std::int32_t id) {
        return append(menu, {.text = std::move(text), .id = id});
    }
    int appendSeparator(MenuHandle menu) {
        FakeMenuItem separator;
        separator.type = iconmenu::MFT_SEPARATOR;
        return append(menu, std::move(separator));
    }
    // Adds an item that opens a new, empty submenu and returns the submenu.
    MenuHandle appendPopup(MenuHandle menu, Text text, std::int32_t id = 0) {
        const MenuHandle sub = createMenu();
        append(menu, {.text = std::move(text), .id = id, .subMenu = sub});
        return sub;
    }

    // ---- looking at the menus and the windows ----
    const FakeMenuItem& itemAt(MenuHandle menu, int position) const {
        return menus_.at(menu).at(static_cast<std::size_t>(position));
    }
    FakeMenuItem& itemAt(MenuHandle menu, int position) {
        return menus_.at(menu).at(static_cast<std::size_t>(position));
    }
    int drawMenuBarCount(WindowHandle window) const { return windows_.at(window).drawMenuBar; }
    WindowProcedure* procedure(WindowHandle window) const { return windows_.at(window).procedure; }
    RecordingProcedure& ownProcedure(WindowHandle window) { return *windows_.at(window).own; }
    int setWindowProcCount() const { return setWindowProcCount_; }
    int getDCCount() const { return getDCCount_; }
    // The calls and the final font of each surface handed out by GetDC, once released.
    struct ReleasedDC {
        std::vector<PaintCall> calls;
        iconmenu::MenuFont finalFont;
    };
    const std::vector<ReleasedDC>& releasedDCs() const { return released_; }
    PainterSettings dcSettings;

    // ---- sending the owner-draw requests through the window's procedure ----
    void sendDrawItem(WindowHandle window, const iconmenu::DrawItemRecord& record) {
        procedure(window)->DrawItem(window, record);
    }
    iconmenu::MeasureItemRecord sendMeasureItem(WindowHandle window, iconmenu::MeasureItemRecord record) {
        procedure(window)->MeasureItem(window, record);
        return record;
    }
    std::int32_t sendMenuChar(WindowHandle window, std::uint32_t wParam, MenuHandle menu) {
        return procedure(window)->MenuChar(window, wParam, menu);
    }

    // ---- MenuHost ----
    MenuHandle GetMenu(WindowHandle window) override {
        const auto w = windows_.find(window);
        return w == windows_.end() ? 0 : w->second.bar;
    }
    int GetMenuItemCount(MenuHandle menu) override {
        const auto m = menus_.find(menu);
        return m == menus_.end() ? -1 : static_cast<int>(m->second.size());
    }
    std::int32_t GetMenuItemID(MenuHandle menu, int position) override {
        const FakeMenuItem* item = byPosition(menu, position);
        if (!item || item->subMenu != 0) return -1;
        return item->id;
    }
    MenuHandle GetSubMenu(MenuHandle menu, int position) override {
        const FakeMenuItem* item = byPosition(menu, position);
        return item ? item->subMenu : 0;
    }
    bool GetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPos, MenuItemInfo& info) override {
        const FakeMenuItem* found = find(menu, item, byPos);
        if (!found || found->unreadable) return false;
        if (info.fMask & iconmenu::MIIM_ID) info.wID = found->id;
        if (info.fMask & iconmenu::MIIM_SUBMENU) info.hSubMenu = found->subMenu;
        if (info.fMask & iconmenu::MIIM_TYPE) {
            info.fType = found->type;
            info.dwTypeData = found->text;
        }
        if (info.fMask & iconmenu::MIIM_DATA) info.dwItemData = found->data;
        return true;
    }
    bool SetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPos, const MenuItemInfo& info) override {
        FakeMenuItem* found = find(menu, item, byPos);
        if (!found) return false;
        if (info.fMask & iconmenu::MIIM_ID) found->id = info.wID;
        if (info.fMask & iconmenu::MIIM_SUBMENU) found->subMenu = info.hSubMenu;
        if (info.fMask & iconmenu::MIIM_TYPE) {
            found->type = info.fType;
            found->text = info.dwTypeData;
        }
        if (info.fMask & iconmenu::MIIM_DATA) found->data = info.dwItemData;
        return true;
    }
    void DrawMenuBar(WindowHandle window) override { ++windows_.at(window).drawMenuBar; }
    WindowProcedure* SetWindowProc(WindowHandle window, WindowProcedure* procedure) override {
        ++setWindowProcCount_;
        const auto w = windows_.find(window);
        if (w == windows_.end() || !procedure) return nullptr;
        return std::exchange(w->second.procedure, procedure);
    }
    std::unique_ptr<iconmenu::MenuPainter> GetDC(WindowHandle window) override {
        EXPECT_TRUE(windows_.contains(window)) << "surface asked of an unknown window";
        ++getDCCount_;
        auto dc = std::make_unique<RecordingPainter>(dcSettings);
        dc->onRelease = [this](const RecordingPainter& p) { released_.push_back({p.calls(), p.font()}); };
        return dc;
    }

private:
    struct Window {
        MenuHandle bar = 0;
        int drawMenuBar = 0;
        std::unique_ptr<RecordingProcedure> own;
        WindowProcedure* procedure = nullptr;
    };

    FakeMenuItem* byPosition(MenuHandle menu, int position) {
        const auto m = menus_.find(menu);
        if (m == menus_.end() || position < 0 || position >= static_cast<int>(m->second.size())) return nullptr;
        return &m->second[static_cast<std::size_t>(position)];
    }
    // By command the search goes through the submenus too: a command item
    // found anywhere below wins over a submenu item carrying the same ID.
    FakeMenuItem* byCommand(MenuHandle menu, std::int32_t id) {
        const auto m = menus_.find(menu);
        if (m == menus_.end()) return nullptr;
        FakeMenuItem* fallback = nullptr;
        for (FakeMenuItem& item : m->second) {
            if (item.subMenu == 0) {
                if (item.id == id) return &item;
            } else if (FakeMenuItem* below = byCommand(item.subMenu, id)) {
                return below;
            } else if (item.id == id && !fallback) {
                fallback = &item;
            }
        }
        return fallback;
    }
    FakeMenuItem* find(MenuHandle menu, std::int32_t item, bool byPos) {
        return byPos ? byPosition(menu, item) : byCommand(menu, item);
    }

    std::map<MenuHandle, std::vector<FakeMenuItem>> menus_;
    std::map<WindowHandle, Window> windows_;
    MenuHandle nextMenu_ = 0x1001;
    WindowHandle nextWindow_ = 0x501;
    int setWindowProcCount_ = 0;
    int getDCCount_ = 0;
    std::vector<ReleasedDC> released_;
};

}  // namespace pelin::testing
