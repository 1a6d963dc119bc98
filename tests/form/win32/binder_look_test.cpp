// The model's colours and shortcuts as the windows take them.
#include <gtest/gtest.h>

#include "form/win32/binder.h"
#include "form/win32/test_form.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

namespace pelin::form::win32 {
namespace {

// The window as it draws itself, read back pixel by pixel.
class Snapshot {
public:
    explicit Snapshot(HWND window) {
        RECT area;
        GetClientRect(window, &area);
        width_ = area.right;
        height_ = area.bottom;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels_), nullptr, 0);
        before_ = SelectObject(dc_, bitmap_);
        PrintWindow(window, dc_, PW_CLIENTONLY);
        GdiFlush();
    }
    ~Snapshot() {
        SelectObject(dc_, before_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    // As a colour number (red in the lowest byte).
    std::int32_t centre() const {
        const std::uint32_t bgr = pixels_[(height_ / 2) * width_ + width_ / 2];
        return static_cast<std::int32_t>(((bgr >> 16) & 0xFF) | (bgr & 0xFF00) | ((bgr & 0xFF) << 16));
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ before_;
    std::uint32_t* pixels_ = nullptr;
};

TEST(BinderLook, AColourButtonShowsExactlyItsColourAndLosesItWhenCleared) {
    Binder::setStrict(true);
    TestWindow window;
    HWND face = window.child("Command41", WC_BUTTONW, BS_PUSHBUTTON);
    SetWindowPos(face, nullptr, 0, 0, 80, 24, SWP_NOZORDER);
    Button button("Command41");
    ControlTable table;
    table.add(button);
    Binder binder(window.get());
    binder.bind(table);
    const std::int32_t plain = Snapshot(face).centre();
    for (std::int32_t colour : {255, 16711680, 8421504}) {
        button.backColor = colour;
        binder.sync();
        EXPECT_EQ(Snapshot(face).centre(), colour) << colour;
    }
    button.backColor = kDefaultColour;
    binder.sync();
    EXPECT_EQ(Snapshot(face).centre(), plain);
}

TEST(BinderLook, ALabelTakesItsColoursAndReadableTextOnAFaceAlone) {
    Binder::setStrict(true);
    TestWindow window;
    HWND label = window.child("Label1", WC_STATICW, SS_LEFT);
    Label caption("Label1");
    caption.backColor = 0x800000;  // dark blue
    ControlTable table;
    table.add(caption);
    Binder binder(window.get());
    binder.bind(table);
    HDC dc = GetDC(label);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window.get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    LOGBRUSH face{};
    GetObjectW(brush, sizeof face, &face);
    EXPECT_EQ(face.lbColor, RGB(0, 0, 0x80));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
    caption.foreColor = 0x00FFFF;  // yellow
    binder.sync();
    SendMessageW(window.get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 0));
    ReleaseDC(label, dc);
}

TEST(BinderLook, AMenuItemsShortcutRunsItUnlessItIsDisabled) {
    Binder::setStrict(true);
    TestWindow window;
    HWND text = window.child("Text1", WC_EDITW, ES_AUTOHSCROLL);
    MenuItem edit("mnuedit"), all("mnueditall");
    edit.caption = u"編集(&E)";
    all.caption = u"すべて選択(&A)";
    all.shortcut = u"Ctrl+A";
    int selected = 0;
    all.onClick = [&selected] { ++selected; };
    ControlTable table;
    table.add(edit);
    table.add(all, &edit);
    Binder binder(window.get());
    binder.bind(table, CreateMenu());

    BYTE keys[256] = {};
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG key{text, WM_KEYDOWN, 'A', 1, 0, {0, 0}};
    EXPECT_TRUE(Binder::translateAccelerator(key));
    EXPECT_EQ(selected, 1);
    all.enabled = false;
    binder.sync();
    Binder::translateAccelerator(key);
    EXPECT_EQ(selected, 1);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

}  // namespace
}  // namespace pelin::form::win32
