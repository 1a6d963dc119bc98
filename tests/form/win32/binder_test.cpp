// What the binder makes of a form's table: the windows it finds or makes, what
// they show of the model, and the mistakes it refuses.
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "form/win32/binder.h"
#include "form/win32/control_name.h"
#include "form/win32/dpi.h"
#include "form/win32/test_form.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

namespace pelin::form::win32 {
namespace {

class StrictBinding : public ::testing::Test {
protected:
    void SetUp() override { Binder::setStrict(true); }
};

using BinderState = StrictBinding;
using BinderMistakes = StrictBinding;
using BinderPlaces = StrictBinding;

TEST_F(BinderState, EveryKindOfWindowShowsItsControl) {
    TestWindow form;
    HWND label = form.child("Label1", WC_STATICW, SS_LEFT);
    HWND text = form.child("Text1", WC_EDITW, ES_AUTOHSCROLL);
    HWND check = form.child("Check1", WC_BUTTONW, BS_CHECKBOX);
    HWND option = form.child("Option1", WC_BUTTONW, BS_RADIOBUTTON);
    HWND combo = form.child("Combo1", WC_COMBOBOXW, CBS_DROPDOWN);
    HWND list = form.child("List1", WC_LISTBOXW, LBS_NOTIFY);
    Label caption("Label1");
    TextBox name("Text1");
    CheckBox greyed("Check1");
    OptionButton chosen("Option1");
    ComboBox sizes("Combo1");
    ListBox files("List1");
    caption.caption = u"ぺりん & HTML";
    name.text = u"題名";
    name.enabled = false;
    greyed.value = 2;
    chosen.value = true;
    chosen.visible = false;
    for (const char16_t* item : {u" 7", u"10(標準)", u"20"}) sizes.addItem(item);
    sizes.setListIndex(1);
    files.items = {u"a.pcf", u"b.pcf"};
    files.listIndex = 1;
    ControlTable table;
    table.add(caption);
    table.add(name);
    table.add(greyed);
    table.add(chosen);
    table.add(sizes);
    table.add(files);
    Binder binder(form.get());
    binder.bind(table);

    EXPECT_EQ(textOf(label), L"ぺりん & HTML");
    EXPECT_EQ(textOf(text), L"題名");
    EXPECT_FALSE(IsWindowEnabled(text));
    // A plain check box cannot show the greyed value; it is shown all the same.
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(SendMessageW(option, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(IsWindowVisible(option));
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(textOf(combo), L"10(標準)");
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);

    // What the program changes is shown at the next sync, and only then.
    name.enabled = true;
    name.text = u"別の題名";
    greyed.value = 0;
    sizes.items.pop_back();
    sizes.typeText(u"12");
    binder.sync();
    EXPECT_TRUE(IsWindowEnabled(text));
    EXPECT_EQ(textOf(text), L"別の題名");
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(textOf(combo), L"12");
}

TEST_F(BinderState, MenuItemsShowTheirStateAndHiddenOnesLeaveTheirMenu) {
    TestWindow form;
    MenuItem file("mnufile"), open("mnufileopen"), save("mnufilesave"), line("mnufilehai1"), auto_("mnuauto");
    file.caption = u"ファイル(&F)";
    open.caption = u"開く(&O)...";
    open.shortcut = u"Ctrl+O";
    save.caption = u"保存(&S)";
    save.visible = false;
    line.caption = u"-";
    auto_.caption = u"自動";
    auto_.checked = true;
    auto_.enabled = false;
    int opened = 0;
    open.onClick = [&opened] { ++opened; };
    ControlTable table;
    table.add(file);
    table.add(open, &file);
    table.add(save, &file);
    table.add(line, &file);
    table.add(auto_, &file);
    HMENU bar = CreateMenu();
    Binder binder(form.get());
    binder.bind(table, bar);

    ASSERT_EQ(GetMenu(form.get()), bar);
    HMENU popup = binder.menuOf(file);
    ASSERT_EQ(GetSubMenu(bar, 0), popup);
    ASSERT_EQ(GetMenuItemCount(popup), 3);  // the hidden item is left out
    wchar_t text[64] = {};
    GetMenuStringW(popup, 0, text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"開く(&O)...\tCtrl+O");
    EXPECT_TRUE(GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR);
    const UINT state = GetMenuState(popup, 2, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_CHECKED);
    EXPECT_TRUE(state & MF_GRAYED);

    // Choosing the item is its click; the shown item comes back in its place.
    SendMessageW(form.get(), WM_COMMAND, MAKEWPARAM(binder.commandOf(open), 0), 0);
    EXPECT_EQ(opened, 1);
    save.visible = true;
    binder.sync();
    ASSERT_EQ(GetMenuItemCount(popup), 4);
    EXPECT_EQ(GetMenuItemID(popup, 1), binder.commandOf(save));
}

TEST_F(BinderMistakes, AControlWhoseWindowIsMissingOrOfAnotherKindIsNamedAtOnce) {
    TestWindow form;
    form.child("Labl1", WC_STATICW, 0);
    HWND checkBox = form.child("OKButton", WC_BUTTONW, BS_CHECKBOX);
    Label label("Label1");
    Button ok("OKButton");
    ControlTable misspelt, wrongKind;
    misspelt.add(label);
    wrongKind.add(ok);
    Binder binder(form.get());
    try {
        binder.bind(misspelt);
        ADD_FAILURE() << "a misspelt name was bound";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("\"Label1\""), std::string::npos) << e.what();
    }
    EXPECT_THROW(binder.bind(wrongKind), std::logic_error);

    // Outside the tests a user still gets a window that works.
    Binder::setStrict(false);
    Binder lenient(form.get());
    lenient.bind(wrongKind);
    HWND made = lenient.windowOf("OKButton");
    ASSERT_NE(made, nullptr);
    EXPECT_NE(made, checkBox);
    EXPECT_EQ(GetWindowLongPtrW(made, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    Binder::setStrict(true);
}

RECT placeIn(HWND window) {
    RECT at;
    GetWindowRect(window, &at);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&at), 2);
    return at;
}

TEST_F(BinderPlaces, PlacedControlsAreMadeWhereTheTableSaysAtTheWindowsDpi) {
    TestWindow form;
    Frame frame("Frame1");
    Button ok("OKButton");
    ControlTable table;
    table.add(frame, nullptr, Place{300, 150, 3000, 1500});
    table.add(ok, &frame, Place{150, 300, 1500, 750}, 0);
    Binder binder(form.get());
    ASSERT_EQ(binder.dpi(), kDefaultDpi);
    binder.bind(table);
    HWND button = findControl(form.get(), "OKButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetParent(button), findControl(form.get(), "Frame1"));
    RECT at = placeIn(button);
    EXPECT_EQ(at.left, 10);
    EXPECT_EQ(at.top, 20);
    EXPECT_EQ(at.right - at.left, 100);
    EXPECT_EQ(at.bottom - at.top, 50);

    // Moved to a screen of 144 dots per inch, everything is half as large again.
    RECT suggested{0, 0, 960, 720};
    SendMessageW(form.get(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    at = placeIn(button);
    EXPECT_EQ(at.left, 15);
    EXPECT_EQ(at.top, 30);
    EXPECT_EQ(at.right - at.left, 150);
    EXPECT_EQ(at.bottom - at.top, 75);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -18);  // 9 points at 144 dots per inch
}

}  // namespace
}  // namespace pelin::form::win32
