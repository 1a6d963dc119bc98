#pragma once
// What the binder keeps of each bound window and menu item, shared by the
// binder's sources; no one else includes it.
#include <functional>
#include <optional>

#include "form/win32/binder.h"

namespace pelin::form::win32 {

struct Binder::Bound {
    HWND window = nullptr;  // null once the window is gone
    Control* control = nullptr;
    std::optional<Place> place;
    bool made = false;     // made by the binder
    bool ourFont = false;  // shows the binder's font
    std::function<void()> sync;
    std::function<void(WORD code)> command;          // its WM_COMMAND notifications
    std::function<void()> enter;                     // Enter typed into it
    std::function<void(HDC dc, const RECT&)> paint;  // paints it all itself
    bool coloured = false;                           // a push button drawn in its face colour
    Text tip;                                        // the tool tip it has
    std::int32_t shownFore = kDefaultColour, shownBack = kDefaultColour;
    bool unthemed = false;  // drawn without the visual style, which ignores text colours
};

struct Binder::MenuEntry {
    MenuItem* item = nullptr;
    HMENU owner = nullptr;
    HMENU popup = nullptr;  // its own menu, for an item that holds items
    UINT id = 0;
    // What the menu shows of it: its text with the shortcut, state and type.
    std::wstring shownText;
    UINT shownState = 0, shownType = 0;
    bool shown = false;
};

// Whether `window` is of the window class `name` (case as Windows ignores it).
bool isClass(HWND window, const wchar_t* name);
// The button type (BS_PUSHBUTTON, BS_CHECKBOX…) of a BUTTON window.
inline DWORD buttonType(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & BS_TYPEMASK; }

}  // namespace pelin::form::win32
