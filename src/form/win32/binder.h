#pragma once
// Binds a form model's controls to child windows of the Windows API by the
// control's name (control_name.h), one way per kind of control: the window
// shows the model's state, and the user's input goes back through the
// control's setter or click(), which runs the model's handler. After every
// handled input all windows are shown afresh from the model, since a handler
// may change any control of the form.
//
// The binder hears its windows' notifications itself: it subclasses the form's
// window and every window that holds a bound control (WM_COMMAND, WM_CTLCOLOR*,
// WM_DRAWITEM, WM_INITMENUPOPUP, WM_DPICHANGED) and the controls whose mouse or
// keys it follows. The window procedure of the form sees every message after
// the binder, and the ones the binder did not take.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "form/control_table.h"
#include "form/win32/fonts.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

class EditorLink;

class Binder {
public:
    // Controls are looked up among the descendants of `root`, the form's window.
    explicit Binder(HWND root);
    ~Binder();
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    // A control without its window is a mistake in the window's making. While
    // strict (debug builds and the tests) it throws std::logic_error naming the
    // control; otherwise the binder makes a plain window for it, so that a
    // user still gets a working window.
    static void setStrict(bool strict);
    static bool strict();

    // The font of every control the binder makes, and of every bound control
    // that has none of its own; the program's font at 9 points unless set
    // before bind().
    void setFont(FontSpec font);

    // Binds every control of `table`. Controls with a place in the table whose
    // window the form did not make are made here, at that place scaled to the
    // window's dots per inch; the tab order follows the table. Menu items go
    // into `menuBar`, each under the menu that holds it; the bar becomes the
    // window's menu.
    void bind(const ControlTable& table, HMENU menuBar = nullptr);

    // Each binds one control; the window it is shown in.
    HWND bind(Frame& frame);
    HWND bind(Label& label);
    HWND bind(Image& image);
    HWND bind(Button& button);
    // An EDIT, multi-line for multi-line boxes; Enter in a single-line box
    // whose model reacts to keys is its keyPress(13).
    HWND bind(TextBox& box);
    HWND bind(Editor& editor);
    HWND bind(CheckBox& box);
    HWND bind(OptionButton& option);
    HWND bind(ComboBox& combo);
    HWND bind(ListBox& list);
    HWND bind(PictureBox& box);
    // A menu item appended to `owner` (the menu bar or a popup). An item that
    // holds other items gets a popup menu of its own, returned; its opening is
    // the item's click. Returns null for a command.
    HMENU bind(MenuItem& item, HMENU owner, bool holdsItems);

    // Shows the model's state in every bound window.
    void sync();
    // Shows an editor's text as a new document: the editor's undo starts afresh.
    void showAfresh(Editor& editor);
    // Runs after each user input has been handled and the windows re-synced, for
    // what the window shows outside its controls (caption, picture).
    std::function<void()> afterInput;

    // Runs `input` against the model, then re-syncs; used for every user input.
    // Editors hand their text to the model first. An input that destroys the
    // form's window (and with it the binder) ends there.
    void handle(const std::function<void()>& input);

    // The window bound to the control of that name; null when none is.
    HWND windowOf(std::string_view name) const;
    // The popup menu of a menu item that holds items, and the command id of
    // one that does not (0 when the item is not bound).
    HMENU menuOf(const MenuItem& item) const;
    UINT commandOf(const MenuItem& item) const;
    // The dots per inch the form is shown at, and twips as pixels at them.
    UINT dpi() const { return dpi_; }
    int pixels(double twips) const;
    // Runs when the form's window has moved to a screen of other dots per
    // inch, after the binder re-placed its placed controls and remade its
    // font: for what the window sized or made itself (its own fonts, pictures).
    std::function<void(UINT dpi)> onDpiChanged;

    // The keyboard shortcuts of the menu items of the binder of the window
    // `message` is for: true when the message was one and has been handled. The
    // message loop asks this before IsDialogMessageW.
    static bool translateAccelerator(MSG& message);

private:
    struct Bound;
    struct MenuEntry;

    // The window of `control`: the one of its name if it is of `windowClass`
    // (null: any class) and `accepts` it, else one the binder makes.
    HWND windowFor(const Control& control, const wchar_t* windowClass, DWORD style, DWORD exStyle = 0,
                   bool (*accepts)(HWND) = nullptr);
    [[noreturn]] void missing(const Control& control) const;
    Bound& add(HWND window, Control& control, std::function<void()> sync);
    void syncCommon(Bound& bound);
    void bindEntry(const ControlEntry& entry, const ControlTable& table, HMENU menuBar,
                   std::vector<std::pair<int, HWND>>& tabOrder);
    void orderTabs(std::vector<std::pair<int, HWND>>& tabOrder);
    void place(const Bound& bound);
    void hearParent(HWND window);
    void hearControl(HWND window);
    void applyFont();
    void syncMenus();
    void syncMenu(HMENU menu);
    void makeAccelerators();
    void setTip(Bound& bound);
    HBRUSH brush(std::int32_t colour);
    Bound* boundOf(HWND window);
    MenuEntry* menuEntryOf(UINT command);

    static LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR binder);
    static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR binder);
    std::optional<LRESULT> parentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> controlMessage(Bound& bound, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> colourMessage(HWND control, HDC dc);
    bool drawButton(const DRAWITEMSTRUCT& item);
    void dpiChanged(UINT dpi, const RECT* suggested);

    HWND root_;
    UINT dpi_;
    FontSpec fontSpec_;
    Font font_;
    HWND tips_ = nullptr;
    HMENU menuBar_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::vector<std::unique_ptr<Bound>> bound_;
    std::unordered_map<HWND, Bound*> byWindow_;
    std::vector<HWND> parents_;
    std::vector<std::unique_ptr<MenuEntry>> menuItems_;
    std::vector<std::unique_ptr<EditorLink>> editors_;
    std::unordered_map<std::int32_t, HBRUSH> brushes_;
    // While a table is bound: the entry whose window is looked for, so that a
    // placed control may be made.
    const ControlEntry* binding_ = nullptr;
    HWND lastMade_ = nullptr;  // the window windowFor() made last
    UINT nextId_ = 1000;
    bool syncing_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// A window's model together with the binder that shows it. The binder goes
// first when the window goes: it holds every subclass that reaches into the
// model, so nothing the dying windows send from then on may reach the model.
template <typename Model>
class BoundForm {
public:
    BoundForm() = default;
    BoundForm(const BoundForm&) = delete;
    BoundForm& operator=(const BoundForm&) = delete;
    ~BoundForm() { release(); }

    template <typename... Args>
    Model& create(Args&&... args) {
        model_ = std::make_unique<Model>(std::forward<Args>(args)...);
        return *model_;
    }
    Binder& makeBinder(HWND root) {
        binder_ = std::make_unique<Binder>(root);
        return *binder_;
    }
    Model& model() const { return *model_; }
    Binder& binder() const { return *binder_; }
    bool bound() const { return binder_ != nullptr; }
    // Ends the binding, then the model; the form's window calls it when it is
    // destroyed (WM_DESTROY), before its controls go.
    void release() {
        binder_.reset();
        model_.reset();
    }

private:
    std::unique_ptr<Model> model_;
    std::unique_ptr<Binder> binder_;
};

}  // namespace pelin::form::win32
