#pragma once
// The controls a form is made of, as plain values. A form model is a class whose
// members are these controls; the Qt side finds each one's widget by `name`
// (its objectName), shows the state and feeds user input back through the
// setters, which run the control's handler exactly as a program change does.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "text/text.h"

namespace pelin::form {

using text::Text;
using text::TextView;
using Handler = std::function<void()>;

// A colour number (red + 256 × green + 65536 × blue); kDefaultColour leaves the
// widget's own colour.
constexpr std::int32_t kDefaultColour = -1;

struct Control {
    explicit Control(std::string objectName) : name(std::move(objectName)) {}
    std::string name;
    Text caption;
    Text toolTip;
    bool enabled = true;
    bool visible = true;
    std::int32_t foreColor = kDefaultColour;
    std::int32_t backColor = kDefaultColour;
    // The pointer moving over the control (outside its child controls); a
    // disabled control gets no mouse events.
    Handler onMouseMove;
    void mouseMove() {
        if (enabled && onMouseMove) onMouseMove();
    }
};

struct Label : Control {
    using Control::Control;
    Handler onClick;
    void click() {
        if (enabled && onClick) onClick();
    }
};

// A step frame or group box.
struct Frame : Control {
    using Control::Control;
};

struct Button : Control {
    using Control::Control;
    Handler onClick;
    // A click by the user: ignored while the button is disabled.
    void click() {
        if (enabled && onClick) onClick();
    }
};

struct TextBox : Control {
    using Control::Control;
    Text text;
    int maxLength = 0;  // 0: no limit
    bool multiLine = false;
    bool imeOff = false;
    std::int32_t selStart = 0;  // in UTF-16 units
    std::int32_t selLength = 0;
    Handler onChange;
    std::function<void(int keyAscii)> onKeyPress;
    // Runs onChange only when the text really changes.
    void setText(Text value) {
        if (value == text) return;
        text = std::move(value);
        if (onChange) onChange();
    }
    // A key typed into the box; the window system passes on Enter (13), the one
    // key the program reacts to.
    void keyPress(int keyAscii) {
        if (enabled && onKeyPress) onKeyPress(keyAscii);
    }
};

struct CheckBox : Control {
    using Control::Control;
    std::int16_t value = 0;  // 0 unchecked, 1 checked, 2 greyed
    Handler onClick;
    // Refuses values other than 0, 1 and 2; runs onClick when the value changes.
    bool setValue(std::int64_t v) {
        if (v < 0 || v > 2) return false;
        if (v == value) return true;
        value = static_cast<std::int16_t>(v);
        if (onClick) onClick();
        return true;
    }
    bool checked() const { return value == 1; }
};

// One option button; the buttons of one group clear each other.
struct OptionButton : Control {
    using Control::Control;
    bool value = false;
    std::vector<OptionButton*> group;  // the other buttons of its group
    Handler onClick;
    void setValue(bool v) {
        if (v == value) return;
        value = v;
        if (v)
            for (OptionButton* other : group) other->setValue(false);
        if (v && onClick) onClick();
    }
};

// A drop-down combo box whose edit field also accepts typing.
struct ComboBox : Control {
    using Control::Control;
    std::vector<Text> items;
    std::int32_t listIndex = -1;
    Text text;
    Handler onClick;   // selection changed
    Handler onChange;  // text typed
    void addItem(Text item) { items.push_back(std::move(item)); }
    // Refuses positions outside -1 … last item; -1 leaves no selection and no text.
    bool setListIndex(std::int64_t index) {
        if (index < -1 || index >= static_cast<std::int64_t>(items.size())) return false;
        listIndex = static_cast<std::int32_t>(index);
        text = listIndex >= 0 ? items[static_cast<std::size_t>(listIndex)] : Text();
        if (onClick) onClick();
        return true;
    }
    // Typing into the edit field selects no item.
    void typeText(Text value) {
        listIndex = -1;
        if (value == text) return;
        text = std::move(value);
        if (onChange) onChange();
    }
};

// A small fixed picture (a hint icon) that only carries a tool tip.
struct Image : Control {
    using Control::Control;
};

// A multi-line box that holds a whole document being edited. The window system
// keeps the text while the user types; it hands the text and selection over
// just before a command runs and shows what the command changed as one edit
// the user can undo. Lines the user did not touch keep their own line ends.
struct Editor : TextBox {
    explicit Editor(std::string objectName) : TextBox(std::move(objectName)) { multiLine = true; }
};

// A list the user picks one item of; a click (or the arrow keys) selects.
struct ListBox : Control {
    using Control::Control;
    std::vector<Text> items;
    std::int32_t listIndex = -1;
    Handler onClick;
    // Refuses positions outside -1 … last item; a selected item runs onClick.
    bool setListIndex(std::int64_t index) {
        if (index < -1 || index >= static_cast<std::int64_t>(items.size())) return false;
        listIndex = static_cast<std::int32_t>(index);
        if (onClick && listIndex >= 0) onClick();
        return true;
    }
};

struct MenuItem : Control {
    using Control::Control;
    bool checked = false;
    bool separator = false;
    Text shortcut;  // e.g. u"Ctrl+Z"; empty for none
    Handler onClick;
    void click() {
        if (enabled && visible && onClick) onClick();
    }
};

// A picture that the platform loaded; the core only keeps it and hands it on.
struct Picture {
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

// A picture box that stretches its picture to fill it.
struct PictureBox : Control {
    using Control::Control;
    std::shared_ptr<Picture> picture;
};

}  // namespace pelin::form
