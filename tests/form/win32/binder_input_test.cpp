// The user's input through the binder: each notification a user's action sends
// reaches the model's handler, and every window then shows the model afresh.
#include <gtest/gtest.h>

#include "form/win32/binder.h"
#include "form/win32/test_form.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

namespace pelin::form::win32 {
namespace {

// A small form: a title, the size of its text, a switch, and a button that
// shows what they hold.
struct SmallForm {
    Label Label1{"Label1"};
    TextBox txtTitle{"txtTitle"};
    ComboBox Combo1{"Combo1"};
    CheckBox Check1{"Check1"};
    Button Command1{"Command1"};
    ControlTable controls;
    int entered = 0;

    SmallForm() {
        for (const char16_t* item : {u"小", u"中", u"大"}) Combo1.addItem(item);
        Check1.value = 2;
        Command1.enabled = false;
        txtTitle.onChange = [this] { Command1.enabled = !txtTitle.text.empty(); };
        txtTitle.onKeyPress = [this](int key) {
            if (key == 13) ++entered;
        };
        Combo1.onClick = [this] { Label1.caption = u"size " + Combo1.text; };
        Command1.onClick = [this] { Label1.caption = txtTitle.text + (Check1.checked() ? u" ✓" : u""); };
        controls.add(Label1);
        controls.add(txtTitle);
        controls.add(Combo1);
        controls.add(Check1);
        controls.add(Command1);
    }
};

class BinderInput : public ::testing::Test {
protected:
    void SetUp() override {
        Binder::setStrict(true);
        label = window.child("Label1", WC_STATICW, 0);
        title = window.child("txtTitle", WC_EDITW, ES_AUTOHSCROLL);
        combo = window.child("Combo1", WC_COMBOBOXW, CBS_DROPDOWN);
        check = window.child("Check1", WC_BUTTONW, BS_3STATE);
        button = window.child("Command1", WC_BUTTONW, BS_PUSHBUTTON);
        form.create();
        form.makeBinder(window.get()).bind(form.model().controls);
    }
    TestWindow window;
    HWND label, title, combo, check, button;
    BoundForm<SmallForm> form;
};

TEST_F(BinderInput, TypingClickingAndChoosingReachTheModelAndEveryWindowFollows) {
    SmallForm& model = form.model();
    ASSERT_FALSE(IsWindowEnabled(button));
    // An EDIT tells its parent of the text set into it as of typing.
    SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ぺりん"));
    EXPECT_EQ(model.txtTitle.text, u"ぺりん");
    EXPECT_TRUE(IsWindowEnabled(button));  // the handler's change, shown at once

    SendMessageW(check, BM_CLICK, 0, 0);  // a greyed box is checked by a click
    EXPECT_EQ(model.Check1.value, 1);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);

    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(textOf(label), L"ぺりん ✓");

    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    notify(combo, CBN_SELCHANGE);
    EXPECT_EQ(model.Combo1.listIndex, 2);
    EXPECT_EQ(textOf(label), L"size 大");

    SendMessageW(title, WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(model.entered, 1);
}

TEST_F(BinderInput, TypingIntoAComboBoxSelectsNoItemAndKeepsTheCaret) {
    SmallForm& model = form.model();
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    notify(combo, CBN_SELCHANGE);
    ASSERT_EQ(model.Combo1.listIndex, 1);
    HWND field = GetWindow(combo, GW_CHILD);
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (wchar_t key : {L'特', L'大'}) SendMessageW(field, WM_CHAR, key, 0);
    EXPECT_EQ(model.Combo1.text, u"特大");
    EXPECT_EQ(model.Combo1.listIndex, -1);
    EXPECT_EQ(textOf(combo), L"特大");
}

TEST_F(BinderInput, ADisabledButtonTakesNoClickAndTheFormGoesWithoutAWord) {
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(form.model().Label1.caption.empty());
    // The binder goes before the model; what the windows send afterwards
    // reaches neither.
    form.release();
    SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"after"));
    notify(button, BN_CLICKED);
    EXPECT_EQ(textOf(title), L"after");
}

TEST(BinderEditor, TheUsersEditsKeepOtherLinesEndsAndACommandsChangeIsOneUndo) {
    Binder::setStrict(true);
    TestWindow window;
    HWND edit = window.child("Text1", WC_EDITW, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN);
    Editor text("Text1");
    text.text = u"one\ntwo\r\nthree";
    Button upper("Command1");
    upper.onClick = [&text] {
        // The selected word in capitals, as a menu command would.
        for (int i = text.selStart; i < text.selStart + text.selLength; ++i)
            text.text[static_cast<std::size_t>(i)] = static_cast<char16_t>(text.text[static_cast<std::size_t>(i)] - 32);
    };
    HWND button = window.child("Command1", WC_BUTTONW, BS_PUSHBUTTON);
    ControlTable table;
    table.add(text);
    table.add(upper);
    Binder binder(window.get());
    binder.bind(table);
    binder.showAfresh(text);
    EXPECT_EQ(textOf(edit), L"one\r\ntwo\r\nthree");

    // The user types "!" at the end of the last line and selects "two".
    SendMessageW(edit, EM_SETSEL, 15, 15);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"!"));
    SendMessageW(edit, EM_SETSEL, 5, 8);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(text.text, u"one\nTWO\r\nthree!");
    EXPECT_EQ(text.selStart, 4);
    EXPECT_EQ(text.selLength, 3);
    EXPECT_EQ(textOf(edit), L"one\r\nTWO\r\nthree!");
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 5u);
    EXPECT_EQ(end, 8u);

    // The command's change is undone in one step, and the model hears of it.
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(textOf(edit), L"one\r\ntwo\r\nthree!");
    binder.handle([] {});
    EXPECT_EQ(text.text, u"one\ntwo\r\nthree!");
}

}  // namespace
}  // namespace pelin::form::win32
