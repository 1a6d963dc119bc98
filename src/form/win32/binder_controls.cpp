// The binding of each kind of control: the window it needs, what the window
// shows of the model, and which notification of the window is which input.
#include <algorithm>

#include "form/win32/binder.h"
#include "form/win32/binder_parts.h"
#include "form/win32/bitmap.h"
#include "form/win32/editor_link.h"
#include "form/win32/win_text.h"
#include "form/win32/window_text.h"
#include "text/line_ends.h"

// clang-format off
#include <commctrl.h>
#include <imm.h>
// clang-format on

namespace pelin::form::win32 {

namespace {

constexpr int kKeyEnter = 13;

void addStyle(HWND window, DWORD style) {
    const auto now = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    if ((now & style) != style) SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(now | style));
}

bool isPushButton(HWND window) {
    const DWORD type = buttonType(window);
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}
bool isCheckBox(HWND window) {
    const DWORD type = buttonType(window);
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}
bool isOptionButton(HWND window) {
    const DWORD type = buttonType(window);
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
bool isMultiLine(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & ES_MULTILINE) != 0; }
bool isDropDown(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & 3) == CBS_DROPDOWN; }

// The items a list or combo box shows.
std::vector<Text> itemsOf(HWND window, UINT count, UINT length, UINT text) {
    std::vector<Text> items;
    const auto n = SendMessageW(window, count, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        const auto size = SendMessageW(window, length, static_cast<WPARAM>(i), 0);
        std::wstring item(static_cast<std::size_t>(std::max<LRESULT>(size, 0)) + 1, L'\0');
        SendMessageW(window, text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(std::max<LRESULT>(size, 0)));
        items.push_back(fromWide(item));
    }
    return items;
}

void showItems(HWND window, const std::vector<Text>& items, UINT count, UINT length, UINT text, UINT reset, UINT add) {
    if (itemsOf(window, count, length, text) == items) return;
    SendMessageW(window, reset, 0, 0);
    for (const Text& item : items) SendMessageW(window, add, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
}

}  // namespace

HWND Binder::bind(Frame& frame) {
    HWND window = windowFor(frame, nullptr, 0);
    add(window, frame, [this, window, &frame] {
        // A group box shows the caption; a frame that only holds controls has none.
        if (isClass(window, WC_BUTTONW) && buttonType(window) == BS_GROUPBOX) showText(window, frame.caption);
        syncCommon(*boundOf(window));
    });
    return window;
}

HWND Binder::bind(Label& label) {
    // Plain text: an "&" in a caption is shown, not taken as an access key.
    HWND window = windowFor(label, WC_STATICW, SS_LEFT | SS_NOTIFY | SS_NOPREFIX);
    addStyle(window, SS_NOTIFY);
    Bound& bound = add(window, label, [this, window, &label] {
        showText(window, label.caption);
        syncCommon(*boundOf(window));
    });
    bound.command = [this, &label](WORD code) {
        if (code == STN_CLICKED) handle([&label] { label.click(); });
    };
    return window;
}

HWND Binder::bind(Image& image) {
    HWND window = windowFor(image, WC_STATICW, SS_NOTIFY);
    addStyle(window, SS_NOTIFY);
    add(window, image, [this, window] { syncCommon(*boundOf(window)); });
    return window;
}

HWND Binder::bind(Button& button) {
    HWND window = windowFor(button, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0, isPushButton);
    const DWORD ownType = buttonType(window) == BS_OWNERDRAW ? BS_PUSHBUTTON : buttonType(window);
    Bound& bound = add(window, button, [this, window, ownType, &button] {
        Bound& self = *boundOf(window);
        showText(window, button.caption);
        // A face colour is drawn by the binder: the system's buttons show none.
        const bool coloured = button.backColor != kDefaultColour;
        if (coloured != self.coloured) {
            self.coloured = coloured;
            const auto style =
                static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & ~static_cast<DWORD>(BS_TYPEMASK);
            SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(style | (coloured ? BS_OWNERDRAW : ownType)));
            InvalidateRect(window, nullptr, TRUE);
        }
        syncCommon(self);
    });
    bound.command = [this, &button](WORD code) {
        if (code == BN_CLICKED) handle([&button] { button.click(); });
    };
    return window;
}

HWND Binder::bind(TextBox& box) {
    const DWORD style = box.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP
                                      : ES_AUTOHSCROLL | WS_TABSTOP;
    HWND window = windowFor(box, WC_EDITW, style, WS_EX_CLIENTEDGE);
    const bool multiLine = isMultiLine(window);
    // Shown once set, so that a box whose limit or input method never changes
    // is left as the form made it.
    struct Shown {
        int maxLength = -1;
        bool imeOff = false;
    };
    auto shown = std::make_shared<Shown>();
    Bound& bound = add(window, box, [this, window, multiLine, shown, &box] {
        if (shown->maxLength != box.maxLength) {
            SendMessageW(window, EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(box.maxLength, 0)), 0);
            shown->maxLength = box.maxLength;
        }
        if (shown->imeOff != box.imeOff) {
            ImmAssociateContextEx(window, nullptr, box.imeOff ? 0 : IACE_DEFAULT);
            shown->imeOff = box.imeOff;
        }
        showText(window, multiLine ? text::withCrLf(box.text) : box.text);
        syncCommon(*boundOf(window));
    });
    bound.command = [this, window, multiLine, &box](WORD code) {
        if (code != EN_CHANGE) return;
        handle([window, multiLine, &box] {
            const Text typed = windowText(window);
            box.setText(multiLine ? text::withCrLf(typed) : typed);
        });
    };
    // Enter goes to a box that reacts to it; in any other it is the window's,
    // which may take it for its default button.
    if (!multiLine && box.onKeyPress) bound.enter = [this, &box] { handle([&box] { box.keyPress(kKeyEnter); }); };
    return window;
}

HWND Binder::bind(Editor& editor) {
    HWND window = windowFor(editor, WC_EDITW,
                            ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_VSCROLL | WS_TABSTOP,
                            WS_EX_CLIENTEDGE, isMultiLine);
    EditorLink* link = editors_.emplace_back(std::make_unique<EditorLink>(editor, window)).get();
    Bound& bound = add(window, editor, [this, window, link] {
        link->push();
        syncCommon(*boundOf(window));
    });
    bound.command = [link](WORD code) {
        if (code == EN_CHANGE) link->take();
    };
    return window;
}

HWND Binder::bind(CheckBox& box) {
    HWND window = windowFor(box, WC_BUTTONW, BS_3STATE | WS_TABSTOP, 0, isCheckBox);
    Bound& bound = add(window, box, [this, window, &box] {
        showText(window, box.caption);
        // Only a three-state box can show the greyed value.
        if (box.value == 2 && buttonType(window) != BS_3STATE && buttonType(window) != BS_AUTO3STATE)
            SendMessageW(window, BM_SETSTYLE, (GetWindowLongPtrW(window, GWL_STYLE) & ~BS_TYPEMASK) | BS_3STATE, TRUE);
        const WPARAM state = box.value == 2 ? BST_INDETERMINATE : box.value == 1 ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageW(window, BM_GETCHECK, 0, 0)) != state)
            SendMessageW(window, BM_SETCHECK, state, 0);
        syncCommon(*boundOf(window));
    });
    // A click checks an unchecked or greyed box and clears a checked one.
    bound.command = [this, &box](WORD code) {
        if (code == BN_CLICKED) handle([&box] { box.setValue(box.value == 1 ? 0 : 1); });
    };
    return window;
}

HWND Binder::bind(OptionButton& option) {
    // Not an automatic one: the model clears the other buttons of its group.
    HWND window = windowFor(option, WC_BUTTONW, BS_RADIOBUTTON | WS_TABSTOP, 0, isOptionButton);
    Bound& bound = add(window, option, [this, window, &option] {
        showText(window, option.caption);
        const WPARAM state = option.value ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageW(window, BM_GETCHECK, 0, 0)) != state)
            SendMessageW(window, BM_SETCHECK, state, 0);
        syncCommon(*boundOf(window));
    });
    bound.command = [this, &option](WORD code) {
        if (code == BN_CLICKED) handle([&option] { option.setValue(true); });
    };
    return window;
}

HWND Binder::bind(ComboBox& combo) {
    HWND window =
        windowFor(combo, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0, isDropDown);
    Bound& bound = add(window, combo, [this, window, &combo] {
        showItems(window, combo.items, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_RESETCONTENT, CB_ADDSTRING);
        if (SendMessageW(window, CB_GETCURSEL, 0, 0) != combo.listIndex) {
            // Typing selects no item: the selection is cleared under the user's
            // typing, whose text and caret stay as they were.
            DWORD start = 0, end = 0;
            SendMessageW(window, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            const Text typed = windowText(window);
            SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(combo.listIndex), 0);
            showText(window, combo.text);
            if (combo.text == typed) SendMessageW(window, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
        }
        showText(window, combo.text);
        syncCommon(*boundOf(window));
    });
    bound.command = [this, window, &combo](WORD code) {
        if (code == CBN_SELCHANGE) {
            const auto index = SendMessageW(window, CB_GETCURSEL, 0, 0);
            if (index >= 0) handle([&combo, index] { combo.setListIndex(index); });
        } else if (code == CBN_EDITCHANGE) {
            handle([window, &combo] { combo.typeText(windowText(window)); });
        }
    };
    return window;
}

HWND Binder::bind(ListBox& list) {
    HWND window =
        windowFor(list, WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
    addStyle(window, LBS_NOTIFY);
    Bound& bound = add(window, list, [this, window, &list] {
        showItems(window, list.items, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_RESETCONTENT, LB_ADDSTRING);
        if (SendMessageW(window, LB_GETCURSEL, 0, 0) != list.listIndex)
            SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(list.listIndex), 0);
        syncCommon(*boundOf(window));
    });
    // Clicks and the arrow keys both select; each new selection is a click.
    bound.command = [this, window, &list](WORD code) {
        if (code != LBN_SELCHANGE) return;
        const auto row = SendMessageW(window, LB_GETCURSEL, 0, 0);
        if (row >= 0 && row != list.listIndex) handle([&list, row] { list.setListIndex(row); });
    };
    return window;
}

HWND Binder::bind(PictureBox& box) {
    HWND window = windowFor(box, WC_STATICW, SS_NOTIFY);
    addStyle(window, SS_NOTIFY);
    auto shown = std::make_shared<std::shared_ptr<Picture>>();
    Bound& bound = add(window, box, [this, window, shown, &box] {
        if (*shown != box.picture) {
            *shown = box.picture;
            InvalidateRect(window, nullptr, TRUE);
        }
        syncCommon(*boundOf(window));
    });
    // The picture is stretched to the box, over the face its parent gives it.
    bound.paint = [window, shown](HDC dc, const RECT& area) {
        auto face = reinterpret_cast<HBRUSH>(SendMessageW(
            GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
        FillRect(dc, &area, face ? face : GetSysColorBrush(COLOR_BTNFACE));
        const Bitmap* bitmap = bitmapOf(shown->get());
        if (!bitmap || !bitmap->handle()) return;
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ before = SelectObject(source, bitmap->handle());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        SetStretchBltMode(dc, HALFTONE);
        AlphaBlend(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source, 0, 0,
                   bitmap->width(), bitmap->height(), blend);
        SelectObject(source, before);
        DeleteDC(source);
    };
    return window;
}

}  // namespace pelin::form::win32
