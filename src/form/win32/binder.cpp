#include "form/win32/binder.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

#include "form/win32/binder_parts.h"
#include "form/win32/control_name.h"
#include "form/win32/dpi.h"
#include "form/win32/editor_link.h"
#include "form/win32/win_text.h"
#include "form/win32/window_text.h"

// clang-format off
#include <commctrl.h>
#include <uxtheme.h>
// clang-format on

namespace pelin::form::win32 {

namespace {

#ifdef NDEBUG
bool strictBinding = false;
#else
bool strictBinding = true;
#endif

constexpr UINT_PTR kParentHook = 1;
constexpr UINT_PTR kControlHook = 2;
// The binder of a form's window, for the message loop's shortcuts.
constexpr wchar_t kBinderProperty[] = L"PelinBinder";

}  // namespace

bool isClass(HWND window, const wchar_t* name) {
    wchar_t found[64] = {};
    GetClassNameW(window, found, 64);
    return lstrcmpiW(found, name) == 0;
}

Binder::Binder(HWND root) : root_(root), dpi_(dpiOf(root)), fontSpec_(uiFont(9)) {
    SetPropW(root_, kBinderProperty, this);
    hearParent(root_);
}

Binder::~Binder() {
    *alive_ = false;
    if (IsWindow(root_) && GetPropW(root_, kBinderProperty) == this) RemovePropW(root_, kBinderProperty);
    for (HWND parent : parents_)
        if (IsWindow(parent)) RemoveWindowSubclass(parent, parentProc, kParentHook);
    for (const auto& bound : bound_)
        if (bound->window) RemoveWindowSubclass(bound->window, controlProc, kControlHook);
    if (tips_ && IsWindow(tips_)) DestroyWindow(tips_);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
    // The binder's font goes last: controls still showing it are told first.
    for (const auto& bound : bound_)
        if (bound->window && bound->ourFont) SendMessageW(bound->window, WM_SETFONT, 0, FALSE);
}

void Binder::setStrict(bool strict) { strictBinding = strict; }
bool Binder::strict() { return strictBinding; }

void Binder::setFont(FontSpec font) {
    fontSpec_ = std::move(font);
    if (font_) applyFont();
}

void Binder::missing(const Control& control) const {
    std::string form = controlName(root_);
    if (form.empty()) {
        for (char16_t c : windowText(root_)) form.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    throw std::logic_error("no window of its kind named \"" + control.name + "\" in " + form);
}

HWND Binder::windowFor(const Control& control, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                       bool (*accepts)(HWND)) {
    HWND found = findControl(root_, control.name);
    if (found && found != root_) {
        // Any window can be a frame; every other kind needs its own class.
        if ((!windowClass || isClass(found, windowClass)) && (!accepts || accepts(found))) return found;
    }
    const bool placed = binding_ && binding_->place;
    if (!placed && strictBinding) missing(control);
    HWND parent = root_;
    if (binding_ && binding_->container)
        if (HWND container = findControl(root_, binding_->container->name)) parent = container;
    const wchar_t* madeClass = windowClass ? windowClass : L"Button";
    if (!windowClass) style |= BS_GROUPBOX;
    HWND made =
        CreateWindowExW(exStyle, madeClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 100, 24, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)), GetModuleHandleW(nullptr), nullptr);
    if (!made) throw std::runtime_error("could not make a window for \"" + control.name + "\"");
    setControlName(made, control.name);
    lastMade_ = made;
    return made;
}

Binder::Bound& Binder::add(HWND window, Control& control, std::function<void()> sync) {
    auto bound = std::make_unique<Bound>();
    bound->window = window;
    bound->control = &control;
    bound->made = window == lastMade_;
    bound->sync = std::move(sync);
    if (binding_ && binding_->place) bound->place = binding_->place;
    Bound& added = *bound_.emplace_back(std::move(bound));
    byWindow_[window] = &added;
    hearParent(GetParent(window));
    hearControl(window);
    if (!font_) font_ = makeFont(fontSpec_, dpi_);
    if (added.made || !SendMessageW(window, WM_GETFONT, 0, 0)) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        added.ourFont = true;
    }
    if (added.place) place(added);
    return added;
}

Binder::Bound* Binder::boundOf(HWND window) {
    auto found = byWindow_.find(window);
    return found == byWindow_.end() ? nullptr : found->second;
}

HWND Binder::windowOf(std::string_view name) const {
    for (const auto& bound : bound_)
        if (bound->window && bound->control->name == name) return bound->window;
    return nullptr;
}

void Binder::place(const Bound& bound) {
    const Place& at = *bound.place;
    int height = twipsToPixels(at.height, dpi_);
    // A drop-down combo box's window reaches down over its open list.
    if (isClass(bound.window, WC_COMBOBOXW)) height *= 8;
    SetWindowPos(bound.window, nullptr, twipsToPixels(at.left, dpi_), twipsToPixels(at.top, dpi_),
                 twipsToPixels(at.width, dpi_), height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Binder::applyFont() {
    font_ = makeFont(fontSpec_, dpi_);
    for (const auto& bound : bound_)
        if (bound->window && bound->ourFont)
            SendMessageW(bound->window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void Binder::dpiChanged(UINT dpi, const RECT* suggested) {
    dpi_ = dpi;
    applyFont();
    for (const auto& bound : bound_)
        if (bound->window && bound->place) place(*bound);
    if (suggested)
        SetWindowPos(root_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (onDpiChanged) onDpiChanged(dpi);
}

int Binder::pixels(double twips) const { return twipsToPixels(twips, dpi_); }

void Binder::bind(const ControlTable& table, HMENU menuBar) {
    std::vector<std::pair<int, HWND>> tabOrder;
    for (const ControlEntry& entry : table) {
        binding_ = &entry;
        try {
            bindEntry(entry, table, menuBar, tabOrder);
        } catch (...) {
            binding_ = nullptr;
            throw;
        }
    }
    binding_ = nullptr;
    orderTabs(tabOrder);
    if (menuBar) {
        menuBar_ = menuBar;
        makeAccelerators();
        if (GetMenu(root_) != menuBar) SetMenu(root_, menuBar);
    }
    sync();
}

void Binder::bindEntry(const ControlEntry& entry, const ControlTable& table, HMENU menuBar,
                       std::vector<std::pair<int, HWND>>& tabOrder) {
    if (MenuItem* item = entry.as<MenuItem>()) {
        HMENU owner = menuBar;
        if (entry.container) {
            auto found = std::find_if(menuItems_.begin(), menuItems_.end(),
                                      [&entry](const auto& menu) { return menu->item == entry.container; });
            if (found == menuItems_.end() || !(*found)->popup) missing(*entry.container);
            owner = (*found)->popup;
        }
        if (!owner) missing(*item);
        bind(*item, owner, table.holdsItems(*item));
        return;
    }
    HWND window = std::visit(
        [this](auto* control) -> HWND {
            if constexpr (std::is_same_v<std::remove_pointer_t<decltype(control)>, MenuItem>) return nullptr;
            else return bind(*control);
        },
        entry.control);
    if (entry.tabIndex >= 0 && (GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP))
        tabOrder.emplace_back(entry.tabIndex, window);
}

void Binder::orderTabs(std::vector<std::pair<int, HWND>>& tabOrder) {
    // Windows tabs through sibling windows in their z-order: each window goes
    // after the one before it in the table that shares its parent.
    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::unordered_map<HWND, HWND> lastOfParent;
    for (const auto& [index, window] : tabOrder) {
        HWND parent = GetParent(window);
        auto last = lastOfParent.find(parent);
        HWND after = last == lastOfParent.end() ? HWND_TOP : last->second;
        SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        lastOfParent[parent] = window;
    }
}

void Binder::setTip(Bound& bound) {
    const Text& tip = bound.control->toolTip;
    if (tip == bound.tip) return;
    if (!tips_) {
        tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        // Long tips wrap rather than run off the screen.
        SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, MulDiv(400, static_cast<int>(dpi_), 96));
    }
    std::wstring text = toWide(tip);
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = root_;
    info.uId = reinterpret_cast<UINT_PTR>(bound.window);
    info.lpszText = text.data();
    if (bound.tip.empty()) SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    else if (tip.empty()) SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    else SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    bound.tip = tip;
}

void Binder::syncCommon(Bound& bound) {
    HWND window = bound.window;
    const Control& control = *bound.control;
    setTip(bound);
    if (!IsWindowEnabled(window) != !control.enabled) EnableWindow(window, control.enabled);
    const bool shown = (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != control.visible) ShowWindow(window, control.visible ? SW_SHOWNA : SW_HIDE);
    if (control.foreColor == bound.shownFore && control.backColor == bound.shownBack) return;
    bound.shownFore = control.foreColor;
    bound.shownBack = control.backColor;
    // Check boxes, option buttons and group boxes drawn in the visual style
    // keep the style's text colour whatever they are told.
    if (!bound.unthemed && isClass(window, WC_BUTTONW) && buttonType(window) != BS_PUSHBUTTON &&
        buttonType(window) != BS_DEFPUSHBUTTON && buttonType(window) != BS_OWNERDRAW) {
        SetWindowTheme(window, L"", L"");
        bound.unthemed = true;
    }
    InvalidateRect(window, nullptr, TRUE);
}

void Binder::sync() {
    if (syncing_) return;
    syncing_ = true;
    for (const auto& bound : bound_)
        if (bound->window) bound->sync();
    syncMenus();
    syncing_ = false;
}

void Binder::handle(const std::function<void()>& input) {
    if (syncing_) return;  // a window reporting what sync() just showed it
    for (const auto& editor : editors_) editor->pull();
    // An input may destroy the form's window, and the binder with it.
    const std::weak_ptr<bool> alive = alive_;
    input();
    if (alive.expired()) return;
    sync();
    if (afterInput) afterInput();
}

void Binder::showAfresh(Editor& editor) {
    for (const auto& link : editors_)
        if (&link->editor() == &editor) link->showAfresh();
}

void Binder::hearParent(HWND window) {
    if (!window || std::find(parents_.begin(), parents_.end(), window) != parents_.end()) return;
    parents_.push_back(window);
    SetWindowSubclass(window, parentProc, kParentHook, reinterpret_cast<DWORD_PTR>(this));
    // Tab and the arrow keys reach into the controls it holds.
    if (window != root_)
        SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
}

void Binder::hearControl(HWND window) {
    SetWindowSubclass(window, controlProc, kControlHook, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Binder::parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR data) {
    auto* binder = reinterpret_cast<Binder*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, parentProc, id);
        std::erase(binder->parents_, window);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (auto result = binder->parentMessage(window, message, wParam, lParam)) return *result;
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK Binder::controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data) {
    auto* binder = reinterpret_cast<Binder*>(data);
    Bound* bound = binder->boundOf(window);
    if (message == WM_NCDESTROY || !bound) {
        if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(window, controlProc, id);
            binder->byWindow_.erase(window);
            if (bound) bound->window = nullptr;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (auto result = binder->controlMessage(*bound, message, wParam, lParam)) return *result;
    return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> Binder::parentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam) {
            Bound* bound = boundOf(reinterpret_cast<HWND>(lParam));
            if (!bound || !bound->command) return std::nullopt;
            bound->command(HIWORD(wParam));
            return 0;
        }
        if (MenuEntry* entry = menuEntryOf(LOWORD(wParam)); entry && !entry->popup) {
            MenuItem* item = entry->item;
            handle([item] { item->click(); });
            return 0;
        }
        return std::nullopt;
    case WM_INITMENUPOPUP:
        for (const auto& entry : menuItems_)
            if (entry->popup == reinterpret_cast<HMENU>(wParam) && entry->item->onClick) {
                // Opening a menu is its click: a menu may decide its items' states then.
                MenuItem* item = entry->item;
                handle([item] { item->click(); });
                break;
            }
        return std::nullopt;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
        Bound* bound = boundOf(reinterpret_cast<HWND>(lParam));
        if (!bound || (bound->control->foreColor == kDefaultColour && bound->control->backColor == kDefaultColour))
            return std::nullopt;
        // The window's own answer first (its brush, its text colour), then the model's colours over it.
        const LRESULT own = DefSubclassProc(window, message, wParam, lParam);
        if (auto result = colourMessage(bound->window, reinterpret_cast<HDC>(wParam))) return result;
        return own;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_BUTTON && drawButton(item)) return TRUE;
        return std::nullopt;
    }
    case WM_DPICHANGED:
        if (window == root_) dpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<LRESULT> Binder::controlMessage(Bound& bound, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (bound.control->onMouseMove) {
            Control* control = bound.control;
            handle([control] { control->mouseMove(); });
        }
        return std::nullopt;
    case WM_NCHITTEST:
        // A group box lets the pointer through to what lies under it; one that
        // follows the pointer takes it.
        if (bound.control->onMouseMove && isClass(bound.window, WC_BUTTONW) && buttonType(bound.window) == BS_GROUPBOX)
            return HTCLIENT;
        return std::nullopt;
    case WM_GETDLGCODE:
        if (bound.enter && lParam) {
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if ((key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_RETURN)
                return DefSubclassProc(bound.window, message, wParam, lParam) | DLGC_WANTALLKEYS;
        }
        return std::nullopt;
    case WM_CHAR:
        if (bound.enter && wParam == VK_RETURN) {
            bound.enter();
            return 0;  // a single-line EDIT would only beep
        }
        return std::nullopt;
    case WM_ERASEBKGND:
        if (bound.paint) return 1;
        return std::nullopt;
    case WM_PAINT:
        if (bound.paint) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(bound.window, &paint);
            RECT area;
            GetClientRect(bound.window, &area);
            bound.paint(dc, area);
            EndPaint(bound.window, &paint);
            return 0;
        }
        return std::nullopt;
    default: return std::nullopt;
    }
}

}  // namespace pelin::form::win32
