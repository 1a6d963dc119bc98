#pragma once
// The one list of a form's controls that every window system builds the window
// from: each control once, with its kind (taken from its type, so that it can
// never disagree with it), its container, and — where the window has fixed
// places — where it sits and where it stands in the tab order.
//
// Containers come before what they hold; a menu item's container is the menu
// it belongs to, and the items of one menu come in menu order.
#include <algorithm>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "form/controls.h"

namespace pelin::form {

// A control's place in its container, in twips (15 to a pixel at 96 dots per
// inch).
struct Place {
    double left = 0, top = 0, width = 0, height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// Every kind of control a form can hold. A control whose type derives from one
// of these (a list box of files) is entered as that kind.
using AnyControl = std::variant<Frame*, Label*, Image*, Button*, TextBox*, Editor*, CheckBox*, OptionButton*, ComboBox*,
                                ListBox*, PictureBox*, MenuItem*>;

struct ControlEntry {
    AnyControl control;
    Control* container = nullptr;  // null: the window itself (for a menu item, the menu bar)
    std::optional<Place> place;    // none: the window system places it
    int tabIndex = -1;             // -1: no fixed place in the tab order

    Control& base() const {
        return std::visit([](auto* c) -> Control& { return *c; }, control);
    }
    const std::string& name() const { return base().name; }
    template <typename T>
    bool is() const {
        return std::holds_alternative<T*>(control);
    }
    // The control as a T, or null when it is of another kind.
    template <typename T>
    T* as() const {
        T* const* held = std::get_if<T*>(&control);
        return held ? *held : nullptr;
    }
};

class ControlTable {
public:
    // Enters `control`, its kind deduced from its type.
    template <typename T>
    ControlEntry& add(T& control, Control* container = nullptr) {
        entries_.push_back(ControlEntry{AnyControl{&control}, container, std::nullopt, -1});
        return entries_.back();
    }
    ControlEntry& add(auto& control, Control* container, Place place, int tabIndex = -1) {
        ControlEntry& entry = add(control, container);
        entry.place = place;
        entry.tabIndex = tabIndex;
        return entry;
    }

    const std::vector<ControlEntry>& entries() const { return entries_; }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

    const ControlEntry* entry(std::string_view name) const {
        auto found =
            std::find_if(entries_.begin(), entries_.end(), [name](const ControlEntry& e) { return e.name() == name; });
        return found == entries_.end() ? nullptr : &*found;
    }
    // The control of that name as a T; null when there is none or it is of
    // another kind.
    template <typename T>
    T* find(std::string_view name) const {
        const ControlEntry* e = entry(name);
        return e ? e->as<T>() : nullptr;
    }
    // Whether `menu` holds menu items of its own (it is a menu, not a command).
    bool holdsItems(const Control& menu) const {
        return std::any_of(entries_.begin(), entries_.end(),
                           [&menu](const ControlEntry& e) { return e.container == &menu && e.is<MenuItem>(); });
    }

private:
    std::vector<ControlEntry> entries_;
};

}  // namespace pelin::form
