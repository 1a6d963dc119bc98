#include "iconmenu/icon_menu.h"

#include "text/characters.h"

namespace pelin::iconmenu {

namespace {

// The platform hands item texts over in a buffer of 255 bytes, NUL included.
constexpr std::size_t kItemTextBytes = 254;

// A caption that repeats an earlier one is kept under its caption, a tab (which
// no caption holds) and its index, so it is still found from its item data.
Text otherKey(TextView caption, std::int32_t index) {
    Text key(caption);
    key += u'\t';
    for (char c : std::to_string(index)) key += static_cast<char16_t>(c);
    return key;
}

}  // namespace

void SplitCaption(Text& text, Text& shortcut) {
    if (const std::size_t nul = text.find(u'\0'); nul != Text::npos) text.resize(nul);
    if (const std::size_t tab = text.find(u'\t'); tab != Text::npos) {
        shortcut = text.substr(tab + 1);
        text.resize(tab);
    }
}

Text accessKeyOf(TextView caption) {
    const std::size_t amp = caption.find(u'&');
    if (amp == TextView::npos || amp + 1 >= caption.size()) return {};
    return Text(caption.substr(amp + 1, text::characterAt(caption.substr(amp + 1)).units));
}

const IconMenuItemCollection& cIconMenu::IconMenuItems() const {
    if (!IconMenuItems_) IconMenuItems_ = std::make_shared<IconMenuItemCollection>();
    return *IconMenuItems_;
}

void cIconMenu::hTargetWnd(WindowHandle window) {
    hTargetWnd_ = window;
    hMenu_ = host_ ? host_->GetMenu(window) : 0;
}

void cIconMenu::MenuDefaultImage(const ImageList* list) {
    MenuDefaultImage_ = list;
    if (!list) return;
    IconWidth_ = static_cast<std::int16_t>(list->ImageWidth());
    IconHeight_ = static_cast<std::int16_t>(list->ImageHeight());
}

void cIconMenu::IconWidth(std::int32_t width) {
    // The icon cell may be larger than the pictures, never smaller.
    if (MenuDefaultImage_ && MenuDefaultImage_->ImageWidth() < width) IconWidth_ = width;
}

void cIconMenu::IconHeight(std::int32_t height) {
    if (MenuDefaultImage_ && MenuDefaultImage_->ImageHeight() < height) IconHeight_ = height;
}

void cIconMenu::SetIconMenu() {
    if (hMenu_ == 0 || !host_) return;
    ScanMenu(hMenu_);
    windowProc_.HookMenuWindow(*host_, hTargetWnd_);
    host_->DrawMenuBar(hTargetWnd_);
}

void cIconMenu::UnSetIconMenu() {
    if (hMenu_ == 0 || !host_) return;
    windowProc_.UnhookMenuWindow(*host_, hTargetWnd_);
}

void cIconMenu::ScanMenu(MenuHandle menu) {
    const int count = host_->GetMenuItemCount(menu);
    for (int pos = 0; pos < count; ++pos) {
        const std::int32_t id = host_->GetMenuItemID(menu, pos);
        if (id == -1) {
            AddMenuItem(menu, pos, true, pos);
            ScanMenu(host_->GetSubMenu(menu, pos));
        } else {
            AddMenuItem(menu, id, false, pos);
        }
    }
}

void cIconMenu::AddMenuItem(MenuHandle menu, std::int32_t item, bool byPosition, std::int32_t position) {
    MenuItemInfo info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA;
    if (!host_->GetMenuItemInfo(menu, item, byPosition, info)) return;
    if (info.fType & MFT_SEPARATOR) return;

    Text caption = text::cutToCp932Bytes(info.dwTypeData, kItemTextBytes);
    Text shortcut;
    SplitCaption(caption, shortcut);

    cIconMenuItem record;
    record.Caption = caption;
    record.ShortCut = shortcut;
    record.hMenu = menu;
    record.Index = NextIndex_;
    record.Key = caption;
    record.Position = position;
    record.AccKey = accessKeyOf(caption);
    record.hSubMenu = info.hSubMenu;
    record.ID = info.wID != 0 ? info.wID : item;

    IconMenuItems();  // the collection exists from here on
    if (!IconMenuItems_->Add(record, record.Key)) {
        record.Key = otherKey(caption, record.Index);
        IconMenuItems_->Add(record, record.Key);
    }

    MenuItemInfo update;
    update.fMask = MIIM_TYPE | MIIM_DATA;
    update.fType = info.fType | MFT_OWNERDRAW;
    update.dwItemData = record.Index;
    update.dwTypeData = info.dwTypeData;
    host_->SetMenuItemInfo(menu, item, byPosition, update);
    ++NextIndex_;
}

Text cIconMenu::GetIDtoKey(std::int32_t lngID) const {
    Text key;
    for (const cIconMenuItem& item : IconMenuItems())
        if (item.Index == lngID) key = item.Key;
    return key;
}

std::int32_t cIconMenu::GetImageIndex(TextView strKey) const {
    if (!MenuDefaultImage_) return -1;
    return MenuDefaultImage_->IndexOfKey(strKey) - 1;
}

}  // namespace pelin::iconmenu
