#include "form/win32/control_name.h"

#include <commctrl.h>

namespace pelin::form::win32 {

namespace {

// The name is held by the window as a property pointing at a copy of it, which
// goes with the window: a small subclass frees it as the window is destroyed.
constexpr wchar_t kNameProperty[] = L"PelinControlName";
constexpr UINT_PTR kNameKeeper = 0x50454C4E;  // "PELN"

const std::string* nameOf(HWND window) { return static_cast<const std::string*>(GetPropW(window, kNameProperty)); }

void forgetName(HWND window) {
    delete nameOf(window);
    RemovePropW(window, kNameProperty);
}

LRESULT CALLBACK keepName(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        forgetName(window);
        RemoveWindowSubclass(window, keepName, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

struct Search {
    std::string_view name;
    HWND found = nullptr;
};

BOOL CALLBACK matchChild(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    const std::string* name = nameOf(window);
    if (!name || *name != search.name) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

void setControlName(HWND window, std::string_view name) {
    forgetName(window);
    SetPropW(window, kNameProperty, new std::string(name));
    SetWindowSubclass(window, keepName, kNameKeeper, 0);
}

std::string controlName(HWND window) {
    const std::string* name = nameOf(window);
    return name ? *name : std::string();
}

HWND findControl(HWND root, std::string_view name) {
    if (!root) return nullptr;
    if (const std::string* own = nameOf(root); own && *own == name) return root;
    Search search{name};
    EnumChildWindows(root, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace pelin::form::win32
