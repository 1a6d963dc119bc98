#include "iconmenu/win32/win32_menu_host.h"

#include <string>
#include <utility>
#include <vector>

#include "iconmenu/win32/gdi_menu_painter.h"

// clang-format off
#include <commctrl.h>
// clang-format on

namespace pelin::iconmenu::win32 {

namespace {

// The subclass of the icon menus among any others of the window.
constexpr UINT_PTR kSubclassId = 0x50454C4E;

UINT nonNegative(int value) { return value > 0 ? static_cast<UINT>(value) : 0; }

const wchar_t* wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

// A hooked window: the procedure in front of it, and the window's own, which
// it passes requests on to. The own procedure gets a request as the message it
// came in, with what the procedure in front made of it.
struct Win32MenuHost::Hook {
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result = 0;
        bool passedOn = false;
    };

    class OwnProcedure : public WindowProcedure {
    public:
        explicit OwnProcedure(Hook& hook) : hook_(hook) {}
        void DrawItem(WindowHandle, const DrawItemRecord&) override { passOn(); }
        void MeasureItem(WindowHandle, MeasureItemRecord& record) override {
            if (!hook_.current || hook_.current->message != WM_MEASUREITEM) return;
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(hook_.current->lParam);
            measure->itemWidth = nonNegative(record.itemWidth);
            measure->itemHeight = nonNegative(record.itemHeight);
            passOn();
            record.itemWidth = static_cast<int>(measure->itemWidth);
            record.itemHeight = static_cast<int>(measure->itemHeight);
        }
        std::int32_t MenuChar(WindowHandle, std::uint32_t, MenuHandle) override {
            passOn();
            return hook_.current ? static_cast<std::int32_t>(hook_.current->result) : 0;
        }

    private:
        void passOn() {
            Message* message = hook_.current;
            if (!message || message->passedOn) return;
            message->result = DefSubclassProc(hook_.window, message->message, message->wParam, message->lParam);
            message->passedOn = true;
        }
        Hook& hook_;
    };

    Hook(Win32MenuHost& host, WindowHandle handle, HWND window, WindowProcedure* procedure)
        : host(host), handle(handle), window(window), procedure(procedure) {}

    // Handles one message with the procedure in front, which sees it as
    // `current` while it runs.
    template <typename Handle>
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam, Handle&& handler) {
        Message current{message, wParam, lParam};
        Message* outer = std::exchange(this->current, &current);
        ++depth;
        const LRESULT result = handler(current);
        --depth;
        this->current = outer;
        return result;
    }

    Win32MenuHost& host;
    WindowHandle handle;
    HWND window;
    WindowProcedure* procedure;
    Message* current = nullptr;
    int depth = 0;
    OwnProcedure own{*this};
};

Win32MenuHost& Win32MenuHost::instance() {
    static Win32MenuHost host;
    return host;
}

Win32MenuHost::~Win32MenuHost() {
    while (!hooks_.empty()) unhook(hooks_.begin()->first);
}

WindowHandle Win32MenuHost::registerWindow(HWND window) {
    if (!window) return 0;
    if (const auto known = windowHandles_.find(window); known != windowHandles_.end()) return known->second;
    const WindowHandle handle = nextHandle_++;
    windows_[handle] = window;
    windowHandles_[window] = handle;
    return handle;
}

void Win32MenuHost::forgetWindow(WindowHandle window) {
    unhook(window);
    if (const auto where = windows_.find(window); where != windows_.end()) {
        windowHandles_.erase(where->second);
        windows_.erase(where);
    }
}

HWND Win32MenuHost::windowOf(WindowHandle window) const {
    const auto where = windows_.find(window);
    return where == windows_.end() ? nullptr : where->second;
}

HMENU Win32MenuHost::menuOf(MenuHandle menu) const {
    const auto where = menus_.find(menu);
    return where == menus_.end() ? nullptr : where->second;
}

MenuHandle Win32MenuHost::knownMenu(HMENU menu) const {
    const auto where = menuHandles_.find(menu);
    return where == menuHandles_.end() ? 0 : where->second;
}

MenuHandle Win32MenuHost::menuHandle(HMENU menu) {
    if (!menu) return 0;
    if (const MenuHandle known = knownMenu(menu)) return known;
    const MenuHandle handle = nextHandle_++;
    menus_[handle] = menu;
    menuHandles_[menu] = handle;
    return handle;
}

WindowProcedure* Win32MenuHost::hookOf(WindowHandle window) const {
    const auto where = hooks_.find(window);
    return where == hooks_.end() ? nullptr : where->second->procedure;
}

MenuHandle Win32MenuHost::GetMenu(WindowHandle window) {
    HWND handle = windowOf(window);
    return handle ? menuHandle(::GetMenu(handle)) : 0;
}

int Win32MenuHost::GetMenuItemCount(MenuHandle menu) {
    HMENU handle = menuOf(menu);
    return handle ? ::GetMenuItemCount(handle) : -1;
}

std::int32_t Win32MenuHost::GetMenuItemID(MenuHandle menu, int position) {
    HMENU handle = menuOf(menu);
    return handle ? static_cast<std::int32_t>(::GetMenuItemID(handle, position)) : -1;
}

MenuHandle Win32MenuHost::GetSubMenu(MenuHandle menu, int position) {
    HMENU handle = menuOf(menu);
    return handle ? menuHandle(::GetSubMenu(handle, position)) : 0;
}

bool Win32MenuHost::GetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, MenuItemInfo& info) {
    HMENU handle = menuOf(menu);
    if (!handle) return false;
    MENUITEMINFOW read{};
    read.cbSize = sizeof(read);
    // The type and the text are asked for apart: an owner-drawn item keeps its text.
    if (info.fMask & MIIM_TYPE) read.fMask |= MIIM_FTYPE | MIIM_STRING;
    if (info.fMask & MIIM_ID) read.fMask |= MIIM_ID;
    if (info.fMask & MIIM_SUBMENU) read.fMask |= MIIM_SUBMENU;
    if (info.fMask & MIIM_DATA) read.fMask |= MIIM_DATA;
    const UINT by = static_cast<UINT>(item);
    if (!GetMenuItemInfoW(handle, by, byPosition, &read)) return false;
    if (info.fMask & MIIM_TYPE) {
        info.fType = read.fType;
        info.dwTypeData.clear();
        if (read.cch > 0 && !(read.fType & MFT_SEPARATOR)) {
            std::wstring text(read.cch + 1, L'\0');
            MENUITEMINFOW string{};
            string.cbSize = sizeof(string);
            string.fMask = MIIM_STRING;
            string.dwTypeData = text.data();
            string.cch = read.cch + 1;
            if (GetMenuItemInfoW(handle, by, byPosition, &string))
                info.dwTypeData.assign(reinterpret_cast<const char16_t*>(text.data()), string.cch);
        }
    }
    if (info.fMask & MIIM_ID) info.wID = static_cast<std::int32_t>(read.wID);
    if (info.fMask & MIIM_SUBMENU) info.hSubMenu = menuHandle(read.hSubMenu);
    if (info.fMask & MIIM_DATA) info.dwItemData = static_cast<std::int32_t>(read.dwItemData);
    return true;
}

bool Win32MenuHost::SetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, const MenuItemInfo& info) {
    HMENU handle = menuOf(menu);
    if (!handle) return false;
    MENUITEMINFOW write{};
    write.cbSize = sizeof(write);
    if (info.fMask & MIIM_TYPE) {
        // The text is written as text whatever the type, so that an
        // owner-drawn item keeps it and can be a plain one again.
        write.fMask |= MIIM_FTYPE;
        write.fType = info.fType;
        if (!(info.fType & MFT_SEPARATOR)) {
            write.fMask |= MIIM_STRING;
            write.dwTypeData = const_cast<wchar_t*>(wide(info.dwTypeData));
            write.cch = static_cast<UINT>(info.dwTypeData.size());
        }
    }
    if (info.fMask & MIIM_ID) {
        write.fMask |= MIIM_ID;
        write.wID = static_cast<UINT>(info.wID);
    }
    if (info.fMask & MIIM_SUBMENU) {
        write.fMask |= MIIM_SUBMENU;
        write.hSubMenu = menuOf(info.hSubMenu);
    }
    if (info.fMask & MIIM_DATA) {
        write.fMask |= MIIM_DATA;
        write.dwItemData = static_cast<ULONG_PTR>(static_cast<std::uint32_t>(info.dwItemData));
    }
    return SetMenuItemInfoW(handle, static_cast<UINT>(item), byPosition, &write);
}

void Win32MenuHost::DrawMenuBar(WindowHandle window) {
    if (HWND handle = windowOf(window)) ::DrawMenuBar(handle);
}

WindowProcedure* Win32MenuHost::SetWindowProc(WindowHandle window, WindowProcedure* procedure) {
    if (const auto where = hooks_.find(window); where != hooks_.end()) {
        Hook& hook = *where->second;
        WindowProcedure* replaced = hook.procedure;
        if (!procedure || procedure == &hook.own) unhook(window);
        else hook.procedure = procedure;
        return replaced;
    }
    HWND handle = windowOf(window);
    if (!procedure || !handle) return nullptr;
    auto hook = std::make_unique<Hook>(*this, window, handle, procedure);
    if (!SetWindowSubclass(handle, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(hook.get()))) return nullptr;
    WindowProcedure* own = &hook->own;
    hooks_[window] = std::move(hook);
    return own;
}

void Win32MenuHost::unhook(WindowHandle window) {
    const auto where = hooks_.find(window);
    if (where == hooks_.end()) return;
    std::unique_ptr<Hook> hook = std::move(where->second);
    hooks_.erase(where);
    RemoveWindowSubclass(hook->window, subclassProc, kSubclassId);
    // A hook whose message is still being handled goes when the host does.
    if (hook->depth > 0) retired_.push_back(std::move(hook));
}

std::unique_ptr<MenuPainter> Win32MenuHost::GetDC(WindowHandle window) {
    HWND handle = windowOf(window);
    return handle ? GdiMenuPainter::forWindow(handle) : nullptr;
}

LRESULT CALLBACK Win32MenuHost::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data) {
    Hook& hook = *reinterpret_cast<Hook*>(data);
    switch (message) {
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        // The window's other owner-drawn controls are its own business.
        if (!measure || measure->CtlType != ODT_MENU) break;
        return hook.dispatch(message, wParam, lParam, [&](Hook::Message& current) {
            MeasureItemRecord record;
            record.itemWidth = static_cast<int>(measure->itemWidth);
            record.itemHeight = static_cast<int>(measure->itemHeight);
            record.itemData = static_cast<std::int32_t>(measure->itemData);
            hook.procedure->MeasureItem(hook.handle, record);
            measure->itemWidth = nonNegative(record.itemWidth);
            measure->itemHeight = nonNegative(record.itemHeight);
            return current.passedOn ? current.result : TRUE;
        });
    }
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (!draw || draw->CtlType != ODT_MENU) break;
        return hook.dispatch(message, wParam, lParam, [&](Hook::Message& current) {
            {
                GdiMenuPainter painter(draw->hDC);
                DrawItemRecord record;
                record.itemState = draw->itemState;
                record.hDC = &painter;
                record.rcItem = Rect{draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom};
                record.itemData = static_cast<std::int32_t>(draw->itemData);
                hook.procedure->DrawItem(hook.handle, record);
            }
            return current.passedOn ? current.result : TRUE;
        });
    }
    case WM_MENUCHAR: {
        const MenuHandle menu = hook.host.knownMenu(reinterpret_cast<HMENU>(lParam));
        return hook.dispatch(message, wParam, lParam, [&](Hook::Message&) {
            return static_cast<LRESULT>(static_cast<std::uint32_t>(
                hook.procedure->MenuChar(hook.handle, static_cast<std::uint32_t>(wParam), menu)));
        });
    }
    case WM_NCDESTROY: {
        // The window goes, and its hook and handle with it.
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        hook.host.forgetWindow(hook.handle);
        return result;
    }
    default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace pelin::iconmenu::win32
