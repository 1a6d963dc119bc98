#include "iconmenu/menu_drawing.h"

namespace pelin::iconmenu {

namespace {

// The pictures sit one pixel inside the icon cell.
constexpr int kIconInset = 1;
// The shortcut label ends this far left of the item's right edge.
constexpr int kShortcutGap = 12;
// A menu-bar caption without a picture starts this far in.
constexpr int kBarTextIndent = 4;
constexpr unsigned kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
constexpr unsigned kShortcutFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;

const cIconMenuItem kUnknownItem{};

const cIconMenuItem& itemOf(const cIconMenu& menu, std::int32_t itemData) {
    const cIconMenuItem* item = menu.item(menu.GetIDtoKey(itemData));
    return item ? *item : kUnknownItem;
}

// The text an item is measured by: its caption, and its shortcut label after a
// full-width space.
Text measuredText(const cIconMenuItem& item) {
    Text text = item.Caption;
    if (!item.ShortCut.empty()) {
        text += u'　';
        text += item.ShortCut;
    }
    return text;
}

std::size_t ansiLength(TextView text) { return text::toCp932(text).size(); }

// Selects a font for the life of the object, then puts the previous one back.
class SelectedFont {
public:
    SelectedFont(MenuPainter& dc, const MenuFont& font) : dc_(dc), previous_(dc.SelectFont(font)) {}
    ~SelectedFont() { dc_.SelectFont(previous_); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    MenuPainter& dc_;
    MenuFont previous_;
};

void drawLabels(MenuPainter& dc, const cIconMenuItem& item, Rect rect) {
    if (!item.Caption.empty()) dc.DrawText(item.Caption, rect, kCaptionFormat);
    if (!item.ShortCut.empty()) {
        rect.right -= kShortcutGap;
        dc.DrawText(item.ShortCut, rect, kShortcutFormat);
    }
}

}  // namespace

MenuFont CreateMenuFont(const cIconMenuItem& item) {
    return MenuFont{item.FontBold, item.FontItalic, item.FontUnderline};
}

void MeasureMenuItem(const cIconMenu& menu, MenuPainter& dc, MeasureItemRecord& record) {
    const cIconMenuItem& item = itemOf(menu, record.itemData);
    const bool bar = item.hMenu == menu.hMenu();
    const bool hasImage = menu.GetImageIndex(item.Caption) != -1;
    Text text;
    int extra = 0;
    int height = 0;
    if (bar) {
        height = dc.GetSystemMetrics(SM_CYMENUSIZE);
        text = measuredText(item);
        extra = hasImage ? menu.IconWidth() + 2 : 0;
    } else {
        extra = menu.IconWidth() + 2;
        height = menu.IconHeight() + 2;
        // Every item of a drop-down menu is as wide as its longest text; of
        // equally long texts the first counts.
        std::size_t longest = 0;
        for (const cIconMenuItem& other : menu.IconMenuItems()) {
            if (other.hMenu != item.hMenu) continue;
            Text candidate = measuredText(other);
            const std::size_t length = ansiLength(candidate);
            if (length > longest) {
                longest = length;
                text = std::move(candidate);
            }
        }
    }
    const SelectedFont font(dc, CreateMenuFont(item));
    const Rect measured = dc.DrawText(text, Rect{}, DT_CALCRECT);
    record.itemWidth = measured.right + extra;
    record.itemHeight = height;
}

void DrawMenuItem(const cIconMenu& menu, const DrawItemRecord& record) {
    if (record.CtlType != ODT_MENU || !record.hDC) return;
    MenuPainter& dc = *record.hDC;
    dc.SetBkModeTransparent();
    const cIconMenuItem& item = itemOf(menu, record.itemData);
    // The picture follows the caption, so a caption kept under another key
    // still shows its picture.
    const int image = menu.GetImageIndex(item.Caption);
    const bool hasImage = image != -1;
    const bool selected = record.itemState & ODS_SELECTED;
    const bool checked = record.itemState & ODS_CHECKED;
    const bool disabled = record.itemState & (ODS_GRAYED | ODS_DISABLED);
    const bool bar = item.hMenu == menu.hMenu();
    const int iw = menu.IconWidth();
    const int ih = menu.IconHeight();

    Rect textRect = record.rcItem;
    textRect.left += bar && !hasImage ? kBarTextIndent : iw + 6;
    Rect fillRect = record.rcItem;
    Rect iconCell = record.rcItem;
    iconCell.right = iconCell.left + iw + 2;
    iconCell.bottom = iconCell.top + ih + 2;

    if (disabled) {
        // No highlight, even under the pointer.
        DrawMenuItemText(dc, item, textRect, false);
        if (hasImage) DrawMenuIcon(menu, dc, image, iconCell.left + kIconInset, iconCell.top + kIconInset, false);
    } else {
        if (selected) {
            const bool menuColours = bar || menu.Style() == 2;
            const ColorRef fill = dc.GetSysColor(menuColours ? COLOR_MENU : COLOR_HIGHLIGHT);
            const ColorRef ink = dc.GetSysColor(menuColours ? COLOR_MENUTEXT : COLOR_HIGHLIGHTTEXT);
            if (hasImage && menu.Style() == 1) {
                fillRect.left += iw + 4;
                dc.DrawEdge(iconCell, BDR_RAISEDINNER, BF_RECT);
            }
            dc.FillRect(fillRect, fill);
            if (menu.Style() == 2) dc.DrawEdge(fillRect, BDR_RAISEDINNER, BF_RECT);
            dc.SetBkColor(fill);
            dc.SetTextColor(ink);
        } else {
            dc.FillRect(fillRect, dc.GetBkColor());
            // Black, whatever colour the system gives menu text.
            dc.SetBkColor(0);
            dc.SetTextColor(0);
        }
        DrawMenuItemText(dc, item, textRect, true);
        dc.SetBkColor(dc.GetSysColor(COLOR_MENU));
        if (hasImage) DrawMenuIcon(menu, dc, image, iconCell.left + kIconInset, iconCell.top + kIconInset, true);
        if (bar && selected) dc.DrawEdge(fillRect, BDR_RAISEDINNER, BF_RECT);
    }

    if (checked) {
        if (!hasImage) DrawMenuCheck(dc, iconCell);
        dc.DrawEdge(iconCell, menu.Style() == 2 && selected ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
    }
}

void DrawMenuItemText(MenuPainter& dc, const cIconMenuItem& item, const Rect& textRect, bool enabled) {
    const SelectedFont font(dc, CreateMenuFont(item));
    if (enabled) {
        drawLabels(dc, item, textRect);
        return;
    }
    // Embossed: light text, with a dark copy one pixel above and left of it.
    dc.SetTextColor(dc.GetSysColor(COLOR_BTNHIGHLIGHT));
    drawLabels(dc, item, textRect);
    dc.SetTextColor(dc.GetSysColor(COLOR_BTNSHADOW));
    const Rect raised{textRect.left - 1, textRect.top - 1, textRect.right - 1, textRect.bottom - 1};
    drawLabels(dc, item, raised);
    dc.SetTextColor(dc.GetSysColor(COLOR_MENUTEXT));
}

void DrawMenuIcon(const cIconMenu& menu, MenuPainter& dc, int position, int x, int y, bool enabled) {
    const ImageList* list = menu.MenuDefaultImage();
    if (!list) return;
    // A cell larger than the pictures centres them.
    if (menu.IconWidth() > list->ImageWidth()) x += (menu.IconWidth() - list->ImageWidth()) / 2;
    if (menu.IconHeight() > list->ImageHeight()) y += (menu.IconHeight() - list->ImageHeight()) / 2;
    dc.DrawImage(*list, position, x, y, enabled);
}

void DrawMenuCheck(MenuPainter& dc, const Rect& rect) { dc.DrawMenuCheckMark(rect); }

std::int32_t FindMenuAccessKey(const cIconMenu& menu, std::uint32_t wParam, MenuHandle menuHandle) {
    const Text typed(1, static_cast<char16_t>(wParam & 0xFFFF));
    std::int32_t result = 0;
    for (const cIconMenuItem& item : menu.IconMenuItems())
        if (item.hMenu == menuHandle && !item.AccKey.empty() && sameKey(typed, item.AccKey))
            result = item.Position | MNC_EXECUTE_HIGH;
    return result;
}

}  // namespace pelin::iconmenu
