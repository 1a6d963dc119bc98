#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "iconmenu/icon_menu.h"
#include "iconmenu/menu_drawing.h"
#include "iconmenu/win32/gdi_menu_painter.h"
#include "iconmenu/win32/win32_menu_host.h"
#include "iconmenu/win32/window_icon_menus.h"

// After the icon menus' own names, which <windows.h> defines as macros too.
#include "form/win32/bitmap.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::iconmenu::win32 {
namespace {

constexpr int kPictureSize = 16;
// The picture: an opaque red square on transparency.
constexpr int kSquareAt = 4;
constexpr int kSquare = 8;
constexpr std::uint32_t kRed = 0xFFFF0000;  // premultiplied BGRA

constexpr UINT kOpen = 101, kSave = 102, kClose = 103, kAutoSave = 201;

// What the window's own procedure was asked.
struct Seen {
    int measureItems = 0;
    UINT measuredWidth = 0;
    UINT measuredHeight = 0;
    int menuChars = 0;
};
Seen seen;

LRESULT CALLBACK ownProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        ++seen.measureItems;
        seen.measuredWidth = measure->itemWidth;
        seen.measuredHeight = measure->itemHeight;
    }
    if (message == WM_MENUCHAR) ++seen.menuChars;
    return DefWindowProcW(window, message, wParam, lParam);
}

std::shared_ptr<form::Picture> squarePicture() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kPictureSize, -kPictureSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < kPictureSize; ++y)
        for (int x = 0; x < kPictureSize; ++x) {
            const bool inSquare =
                x >= kSquareAt && x < kSquareAt + kSquare && y >= kSquareAt && y < kSquareAt + kSquare;
            pixels[y * kPictureSize + x] = inSquare ? kRed : 0;
        }
    return std::make_shared<form::win32::Bitmap>(bitmap, kPictureSize, kPictureSize);
}

// A 32-bit surface an item is drawn on, in the menu's colours as the menus
// give it, filled with a colour of its own to tell what the item left alone.
class Surface {
public:
    Surface(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<std::uint32_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        HBRUSH untouched = CreateSolidBrush(RGB(1, 2, 3));
        FillRect(dc_, &all, untouched);
        DeleteObject(untouched);
        SetBkColor(dc_, GetSysColor(COLOR_MENU));
        SetTextColor(dc_, GetSysColor(COLOR_MENUTEXT));
    }
    ~Surface() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    HDC dc() const { return dc_; }
    // How many pixels left of `right` have the colour.
    int count(COLORREF colour, int right) const {
        GdiFlush();
        const std::uint32_t wanted =
            0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < right && x < width_; ++x) n += (pixels_[y * width_ + x] | 0xFF000000u) == wanted;
        return n;
    }
    int count(COLORREF colour) const { return count(colour, width_); }

private:
    int width_, height_;
    HBITMAP bitmap_;
    std::uint32_t* pixels_;
    HDC dc_;
    HGDIOBJ previous_;
};

class WindowIconMenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        seen = {};
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ownProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"PelinIconMenuTest";
        RegisterClassW(&windowClass);

        file_ = CreatePopupMenu();
        AppendMenuW(file_, MF_STRING, kOpen, L"開く(&O)\tCtrl+O");
        AppendMenuW(file_, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(file_, MF_STRING, kSave, L"保存(&S)");
        AppendMenuW(file_, MF_STRING, kClose, L"閉じる(&C)");
        options_ = CreatePopupMenu();
        AppendMenuW(options_, MF_STRING | MF_CHECKED, kAutoSave, L"自動保存(&A)");
        bar_ = CreateMenu();
        AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(file_), L"ファイル(&F)");
        AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(options_), L"オプション(&P)");
        window_ = CreateWindowExW(0, L"PelinIconMenuTest", L"Pelin", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, bar_,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        list_.Add(u"開く(&O)", squarePicture());
    }
    void TearDown() override {
        detachIconMenu(menu_, window_);
        DestroyWindow(window_);
    }

    const cIconMenuItem& record(TextView caption) const {
        const cIconMenuItem* item = menu_.item(caption);
        EXPECT_NE(item, nullptr) << "no record of an item";
        static const cIconMenuItem none{};
        return item ? *item : none;
    }

    MEASUREITEMSTRUCT measure(const cIconMenuItem& item) const {
        MEASUREITEMSTRUCT request{ODT_MENU, 0, static_cast<UINT>(item.ID), 0, 0, static_cast<ULONG_PTR>(item.Index)};
        SendMessageW(window_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
        return request;
    }

    // Draws the item on a new surface as wide as its menu's items and as high
    // as a drop-down item.
    std::unique_ptr<Surface> draw(const cIconMenuItem& item, UINT state) const {
        const MEASUREITEMSTRUCT size = measure(item);
        auto surface = std::make_unique<Surface>(static_cast<int>(size.itemWidth), static_cast<int>(size.itemHeight));
        DRAWITEMSTRUCT request{ODT_MENU,
                               0,
                               static_cast<UINT>(item.ID),
                               ODA_DRAWENTIRE,
                               state,
                               reinterpret_cast<HWND>(GetMenu(window_)),
                               surface->dc(),
                               RECT{0, 0, static_cast<LONG>(size.itemWidth), static_cast<LONG>(size.itemHeight)},
                               static_cast<ULONG_PTR>(item.Index)};
        SendMessageW(window_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
        return surface;
    }

    UINT itemType(HMENU menu, UINT position) const {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, position, TRUE, &info);
        return info.fType;
    }

    HWND window_ = nullptr;
    HMENU bar_ = nullptr, file_ = nullptr, options_ = nullptr;
    ImageList list_{kPictureSize, kPictureSize};
    cIconMenu menu_;
};

TEST_F(WindowIconMenusTest, AttachedItemsAreOwnerDrawnAndMeasuredByTheCore) {
    attachIconMenu(menu_, list_, window_);
    ASSERT_TRUE(menu_.hooked());

    EXPECT_EQ(menu_.IconMenuItems().Count(), 6u);
    for (const cIconMenuItem& item : menu_.IconMenuItems()) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        ASSERT_TRUE(GetMenuItemInfoW(Win32MenuHost::instance().menuOf(item.hMenu), static_cast<UINT>(item.Position),
                                     TRUE, &info));
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
        EXPECT_EQ(info.dwItemData, static_cast<ULONG_PTR>(item.Index));
    }
    EXPECT_FALSE(itemType(file_, 1) & MFT_OWNERDRAW) << "the separator keeps the system's look";

    // The window's own procedure gets the request with the core's answer in it.
    for (TextView caption : {u"保存(&S)", u"ファイル(&F)"}) {
        const cIconMenuItem& item = record(caption);
        MeasureItemRecord expected;
        expected.itemData = item.Index;
        MeasureMenuItem(menu_, *GdiMenuPainter::forWindow(window_), expected);
        const MEASUREITEMSTRUCT measured = measure(item);
        EXPECT_EQ(static_cast<int>(measured.itemWidth), expected.itemWidth);
        EXPECT_EQ(static_cast<int>(measured.itemHeight), expected.itemHeight);
        EXPECT_EQ(seen.measuredWidth, measured.itemWidth);
        EXPECT_EQ(seen.measuredHeight, measured.itemHeight);
    }
    EXPECT_GT(measure(record(u"保存(&S)")).itemWidth, static_cast<UINT>(menu_.IconWidth() + 2)) << "room for the text";
    EXPECT_EQ(measure(record(u"保存(&S)")).itemWidth, measure(record(u"開く(&O)")).itemWidth);
}

TEST_F(WindowIconMenusTest, DrawnItemsShowHighlightPictureCheckMarkAndEmbossedGrey) {
    attachIconMenu(menu_, list_, window_);
    const int cell = menu_.IconWidth() + 2;
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF red = RGB(255, 0, 0);

    const auto plain = draw(record(u"開く(&O)"), 0);
    const auto selected = draw(record(u"開く(&O)"), ODS_SELECTED);
    EXPECT_EQ(plain->count(highlight), 0);
    EXPECT_GT(selected->count(highlight), 0);
    EXPECT_EQ(plain->count(red), kSquare * kSquare);
    EXPECT_EQ(selected->count(red), kSquare * kSquare);

    // The check mark is drawn in the text colour, black for an item not selected.
    const int border = 2;  // the sunken frame around the cell
    const auto checked = draw(record(u"自動保存(&A)"), ODS_CHECKED);
    const auto unchecked = draw(record(u"自動保存(&A)"), 0);
    EXPECT_GT(checked->count(RGB(0, 0, 0), cell - border), 0);
    EXPECT_EQ(unchecked->count(RGB(0, 0, 0), cell - border), 0);

    // Disabled: the picture's shape in the shadow colour, its highlight copy
    // one pixel down and right, and no selection under the pointer.
    const auto disabled = draw(record(u"開く(&O)"), ODS_SELECTED | ODS_GRAYED | ODS_DISABLED);
    EXPECT_EQ(disabled->count(red), 0);
    EXPECT_EQ(disabled->count(highlight), 0);
    EXPECT_EQ(disabled->count(GetSysColor(COLOR_BTNSHADOW), cell), kSquare * kSquare);
    EXPECT_EQ(disabled->count(GetSysColor(COLOR_BTNHIGHLIGHT), cell), 2 * kSquare - 1);
}

TEST_F(WindowIconMenusTest, DetachingRestoresTheWindowProcedureAndTheTexts) {
    const LONG_PTR own = GetWindowLongPtrW(window_, GWLP_WNDPROC);
    attachIconMenu(menu_, list_, window_);
    ASSERT_NE(GetWindowLongPtrW(window_, GWLP_WNDPROC), own);

    detachIconMenu(menu_, window_);
    EXPECT_FALSE(menu_.hooked());
    EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_WNDPROC), own);
    wchar_t text[64];
    GetMenuStringW(file_, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"開く(&O)\tCtrl+O");
    GetMenuStringW(bar_, 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"オプション(&P)");
    for (HMENU menu : {bar_, file_, options_})
        for (int position = 0; position < GetMenuItemCount(menu); ++position)
            EXPECT_FALSE(itemType(menu, static_cast<UINT>(position)) & MFT_OWNERDRAW);
}

TEST_F(WindowIconMenusTest, MenuCharacterExecutesTheItemOfItsAccessKey) {
    attachIconMenu(menu_, list_, window_);
    const LRESULT save =
        SendMessageW(window_, WM_MENUCHAR, MAKEWPARAM(L's', MF_POPUP), reinterpret_cast<LPARAM>(file_));
    EXPECT_EQ(save, MAKELRESULT(2, MNC_EXECUTE));
    const LRESULT none =
        SendMessageW(window_, WM_MENUCHAR, MAKEWPARAM(L'q', MF_POPUP), reinterpret_cast<LPARAM>(file_));
    EXPECT_EQ(none, 0) << "a key of no item is refused with a beep";
    EXPECT_EQ(seen.menuChars, 0);
}

}  // namespace
}  // namespace pelin::iconmenu::win32
