// Menu items in the window's menu bar. Windows menus have no hidden items: an
// item the model hides is taken out of its menu and put back in its place
// when shown again.
#include <algorithm>
#include <cctype>
#include <string>

#include "form/win32/binder.h"
#include "form/win32/binder_parts.h"
#include "form/win32/win_text.h"

namespace pelin::form::win32 {

namespace {

// A shortcut as the model writes it ("Ctrl+Z", "Shift+F5", "Del") as an
// accelerator; false for one it does not know.
bool acceleratorOf(TextView shortcut, WORD command, ACCEL& accel) {
    std::string keys;
    for (char16_t c : shortcut) {
        if (c >= 0x80) return false;
        keys.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    BYTE flags = FVIRTKEY;
    for (;;) {
        if (keys.starts_with("CTRL+")) flags |= FCONTROL, keys.erase(0, 5);
        else if (keys.starts_with("SHIFT+")) flags |= FSHIFT, keys.erase(0, 6);
        else if (keys.starts_with("ALT+")) flags |= FALT, keys.erase(0, 4);
        else break;
    }
    WORD key = 0;
    if (keys.size() == 1 && std::isalnum(static_cast<unsigned char>(keys[0]))) key = static_cast<WORD>(keys[0]);
    else if (keys.size() >= 2 && keys.size() <= 3 && keys[0] == 'F' &&
             std::isdigit(static_cast<unsigned char>(keys[1]))) {
        const int n = std::stoi(keys.substr(1));
        if (n >= 1 && n <= 24) key = static_cast<WORD>(VK_F1 + n - 1);
    } else if (keys == "DEL" || keys == "DELETE") key = VK_DELETE;
    else if (keys == "INS" || keys == "INSERT") key = VK_INSERT;
    else if (keys == "BACKSPACE") key = VK_BACK;
    else if (keys == "HOME") key = VK_HOME;
    else if (keys == "END") key = VK_END;
    else if (keys == "ESC") key = VK_ESCAPE;
    if (!key) return false;
    accel = ACCEL{flags, key, command};
    return true;
}

}  // namespace

HMENU Binder::bind(MenuItem& item, HMENU owner, bool holdsItems) {
    auto entry = std::make_unique<MenuEntry>();
    entry->item = &item;
    entry->owner = owner;
    entry->id = nextId_++;
    if (holdsItems) entry->popup = CreatePopupMenu();
    MenuEntry& added = *menuItems_.emplace_back(std::move(entry));
    // The item is put into its menu by the first sync, hidden or not.
    syncMenu(owner);
    return added.popup;
}

Binder::MenuEntry* Binder::menuEntryOf(UINT command) {
    auto found = std::find_if(menuItems_.begin(), menuItems_.end(),
                              [command](const auto& entry) { return entry->id == command; });
    return found == menuItems_.end() ? nullptr : found->get();
}

HMENU Binder::menuOf(const MenuItem& item) const {
    for (const auto& entry : menuItems_)
        if (entry->item == &item) return entry->popup;
    return nullptr;
}

UINT Binder::commandOf(const MenuItem& item) const {
    for (const auto& entry : menuItems_)
        if (entry->item == &item && !entry->popup) return entry->id;
    return 0;
}

void Binder::syncMenus() {
    std::vector<HMENU> menus;
    for (const auto& entry : menuItems_)
        if (std::find(menus.begin(), menus.end(), entry->owner) == menus.end()) menus.push_back(entry->owner);
    for (HMENU menu : menus) syncMenu(menu);
}

void Binder::syncMenu(HMENU menu) {
    std::vector<MenuEntry*> wanted;
    for (const auto& entry : menuItems_)
        if (entry->owner == menu && entry->item->visible) wanted.push_back(entry.get());
    bool changed = false;
    // The items the menu holds, by command id, against those that should be there.
    const int count = GetMenuItemCount(menu);
    bool same = count == static_cast<int>(wanted.size());
    for (int i = 0; same && i < count; ++i) {
        const MenuEntry& entry = *wanted[static_cast<std::size_t>(i)];
        same = entry.popup ? GetSubMenu(menu, i) == entry.popup : GetMenuItemID(menu, i) == entry.id;
    }
    if (!same) {
        // RemoveMenu keeps the popups of the items taken out, for when they come back.
        for (const auto& entry : menuItems_)
            if (entry->owner == menu && entry->shown) {
                RemoveMenu(menu, entry->id, MF_BYCOMMAND);
                entry->shown = false;
            }
        for (MenuEntry* entry : wanted) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_ID | MIIM_FTYPE | (entry->popup ? MIIM_SUBMENU : 0);
            info.wID = entry->id;
            info.hSubMenu = entry->popup;
            info.fType = MFT_STRING;
            InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
            entry->shown = true;
            entry->shownText.assign(1, L'\x01');  // shown afresh below
        }
        changed = true;
    }
    for (MenuEntry* entry : wanted) {
        const MenuItem& item = *entry->item;
        const bool separator = item.separator || item.caption == u"-";
        std::wstring text = separator ? std::wstring() : toWide(item.caption);
        if (!separator && !item.shortcut.empty()) text += L"\t" + toWide(item.shortcut);
        const UINT state = (item.enabled ? MFS_ENABLED : MFS_GRAYED) | (item.checked ? MFS_CHECKED : MFS_UNCHECKED);
        const UINT type = separator ? MFT_SEPARATOR : MFT_STRING;
        if (text == entry->shownText && state == entry->shownState && type == entry->shownType) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | (separator ? 0 : MIIM_STRING);
        // What else draws the item (an owner-drawn menu) stays as it set it.
        MENUITEMINFOW now{};
        now.cbSize = sizeof now;
        now.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, entry->id, FALSE, &now);
        info.fType = type | (now.fType & MFT_OWNERDRAW);
        info.fState = state;
        info.dwTypeData = text.data();
        SetMenuItemInfoW(menu, entry->id, FALSE, &info);
        entry->shownText = text;
        entry->shownState = state;
        entry->shownType = type;
        changed = true;
    }
    if (changed && menu == menuBar_ && IsWindow(root_)) DrawMenuBar(root_);
}

void Binder::makeAccelerators() {
    std::vector<ACCEL> table;
    for (const auto& entry : menuItems_) {
        ACCEL accel;
        if (!entry->popup && acceleratorOf(entry->item->shortcut, static_cast<WORD>(entry->id), accel))
            table.push_back(accel);
    }
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    accelerators_ = table.empty() ? nullptr : CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

bool Binder::translateAccelerator(MSG& message) {
    if (!message.hwnd) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    auto* binder = static_cast<Binder*>(GetPropW(root, L"PelinBinder"));
    return binder && binder->accelerators_ && TranslateAcceleratorW(root, binder->accelerators_, &message);
}

}  // namespace pelin::form::win32
