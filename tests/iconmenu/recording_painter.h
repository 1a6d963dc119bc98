#pragma once
// A menu painter that keeps a device context's state (background and text
// colour, starting as the menu's, and the font) and records every drawing call in order, so a test can compare
// what an item drew with what it should have drawn. Text is measured by a
// fixed rule: 6 pixels per code page 932 byte of the visible text (7 in bold),
// 12 pixels high, with "&" hidden unless doubled.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "iconmenu/image_list.h"
#include "iconmenu/menu_painter.h"
#include "text/text.h"

namespace pelin::iconmenu {

// Readable failure messages for the core's plain records.
inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
inline void PrintTo(const MenuFont& f, std::ostream* os) {
    *os << (f.bold ? "bold" : "regular") << (f.italic ? " italic" : "") << (f.underline ? " underline" : "");
}

}  // namespace pelin::iconmenu

namespace pelin::testing {

using iconmenu::ColorRef;
using iconmenu::MenuFont;
using iconmenu::Rect;
using text::Text;
using text::TextView;

// The system's colours and sizes as a test wants them. The menu-text colour is
// deliberately not black, so that black text is told apart from it.
struct PainterSettings {
    std::map<int, ColorRef> sysColors{
        {iconmenu::COLOR_MENU, 0xE0E0E0},      {iconmenu::COLOR_MENUTEXT, 0x202020},
        {iconmenu::COLOR_HIGHLIGHT, 0x6A240A}, {iconmenu::COLOR_HIGHLIGHTTEXT, 0xFFFFFE},
        {iconmenu::COLOR_BTNSHADOW, 0x808080}, {iconmenu::COLOR_BTNHIGHLIGHT, 0xF4F4F4},
    };
    int menuBarHeight = 19;  // SM_CYMENUSIZE

    ColorRef color(int index) const {
        const auto found = sysColors.find(index);
        if (found == sysColors.end()) {
            ADD_FAILURE() << "system colour " << index << " is not one the menus use";
            return 0;
        }
        return found->second;
    }
};

// One drawing call, with the state of the device context it was drawn in.
struct PaintCall {
    enum class Kind { Fill, Edge, Text, Measure, Check, Image };
    Kind kind = Kind::Fill;
    Rect rect;
    ColorRef colour = 0;                        // Fill: the fill; Text, Check: the text colour
    ColorRef bkColour = 0;                      // Check: the background colour
    unsigned edge = 0;                          // Edge
    unsigned flags = 0;                         // Edge: the sides; Text, Measure: the format
    Text text;                                  // Text, Measure
    MenuFont font;                              // Text, Measure
    const iconmenu::ImageList* list = nullptr;  // Image
    int position = 0, x = 0, y = 0;             // Image
    bool enabled = true;                        // Image

    friend bool operator==(const PaintCall&, const PaintCall&) = default;

    static PaintCall fill(Rect rect, ColorRef colour) {
        PaintCall c;
        c.kind = Kind::Fill;
        c.rect = rect;
        c.colour = colour;
        return c;
    }
    static PaintCall frame(Rect rect, unsigned edge, unsigned flags = iconmenu::BF_RECT) {
        PaintCall c;
        c.kind = Kind::Edge;
        c.rect = rect;
        c.edge = edge;
        c.flags = flags;
        return c;
    }
    static PaintCall label(TextView text, Rect rect, unsigned format, ColorRef colour, MenuFont font = {}) {
        PaintCall c;
        c.kind = Kind::Text;
        c.text = Text(text);
        c.rect = rect;
        c.flags = format;
        c.colour = colour;
        c.font = font;
        return c;
    }
    static PaintCall measure(TextView text, Rect rect, unsigned format, MenuFont font = {}) {
        PaintCall c;
        c.kind = Kind::Measure;
        c.text = Text(text);
        c.rect = rect;
        c.flags = format;
        c.font = font;
        return c;
    }
    static PaintCall check(Rect rect, ColorRef textColour, ColorRef bkColour) {
        PaintCall c;
        c.kind = Kind::Check;
        c.rect = rect;
        c.colour = textColour;
        c.bkColour = bkColour;
        return c;
    }
    static PaintCall image(const iconmenu::ImageList* list, int position, int x, int y, bool enabled) {
        PaintCall c;
        c.kind = Kind::Image;
        c.list = list;
        c.position = position;
        c.x = x;
        c.y = y;
        c.enabled = enabled;
        return c;
    }
};

inline void PrintTo(const PaintCall& c, std::ostream* os) {
    using K = PaintCall::Kind;
    const auto rect = [&] { iconmenu::PrintTo(c.rect, os); };
    switch (c.kind) {
    case K::Fill:
        *os << "fill ";
        rect();
        *os << " colour " << std::hex << c.colour << std::dec;
        break;
    case K::Edge:
        *os << "edge ";
        rect();
        *os << " edge " << c.edge << " flags " << c.flags;
        break;
    case K::Text:
    case K::Measure:
        *os << (c.kind == K::Text ? "text \"" : "measure \"") << text::toUtf8(c.text) << "\" ";
        rect();
        *os << " format 0x" << std::hex << c.flags << " colour " << c.colour << std::dec << " ";
        iconmenu::PrintTo(c.font, os);
        break;
    case K::Check:
        *os << "check ";
        rect();
        *os << " text " << std::hex << c.colour << " on " << c.bkColour << std::dec;
        break;
    case K::Image:
        *os << "image " << c.position << " at " << c.x << ", " << c.y << (c.enabled ? "" : " disabled");
        break;
    }
}

class RecordingPainter : public iconmenu::MenuPainter {
public:
    explicit RecordingPainter(PainterSettings settings = {}) : settings_(std::move(settings)) {
        bk_ = settings_.color(iconmenu::COLOR_MENU);
        text_ = settings_.color(iconmenu::COLOR_MENUTEXT);
    }
    ~RecordingPainter() override {
        if (onRelease) onRelease(*this);
    }

    // Called when the painter goes away (a window's surface being released).
    std::function<void(const RecordingPainter&)> onRelease;

    // The width that the rule gives a text: "&" is hidden and "&&" shows one "&".
    static int textWidth(TextView text, const MenuFont& font = {}) {
        Text visible;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'&') {
                if (i + 1 < text.size() && text[i + 1] == u'&') {
                    visible += u'&';
                    ++i;
                }
                continue;
            }
            visible += text[i];
        }
        return static_cast<int>(text::toCp932(visible).size()) * (font.bold ? 7 : 6);
    }
    static constexpr int kTextHeight = 12;

    PainterSettings& settings() { return settings_; }
    const PainterSettings& settings() const { return settings_; }
    const std::vector<PaintCall>& calls() const { return calls_; }
    void clear() { calls_.clear(); }
    std::vector<PaintCall> callsOf(PaintCall::Kind kind) const {
        std::vector<PaintCall> found;
        for (const PaintCall& c : calls_)
            if (c.kind == kind) found.push_back(c);
        return found;
    }

    ColorRef bkColor() const { return bk_; }
    ColorRef textColor() const { return text_; }
    MenuFont font() const { return font_; }
    bool transparent() const { return transparent_; }

    ColorRef GetSysColor(int index) const override { return settings_.color(index); }
    int GetSystemMetrics(int index) const override {
        if (index != iconmenu::SM_CYMENUSIZE) ADD_FAILURE() << "system metric " << index << " is not one the menus use";
        return settings_.menuBarHeight;
    }
    void SetBkModeTransparent() override { transparent_ = true; }
    ColorRef GetBkColor() const override { return bk_; }
    void SetBkColor(ColorRef colour) override { bk_ = colour; }
    void SetTextColor(ColorRef colour) override { text_ = colour; }
    MenuFont SelectFont(const MenuFont& font) override { return std::exchange(font_, font); }

    void FillRect(const Rect& rect, ColorRef colour) override { calls_.push_back(PaintCall::fill(rect, colour)); }
    void DrawEdge(const Rect& rect, unsigned edge, unsigned flags) override {
        calls_.push_back(PaintCall::frame(rect, edge, flags));
    }
    Rect DrawText(TextView text, const Rect& rect, unsigned format) override {
        if (format & iconmenu::DT_CALCRECT) {
            calls_.push_back(PaintCall::measure(text, rect, format, font_));
            return Rect{rect.left, rect.top, rect.left + textWidth(text, font_), rect.top + kTextHeight};
        }
        calls_.push_back(PaintCall::label(text, rect, format, text_, font_));
        return rect;
    }
    void DrawMenuCheckMark(const Rect& rect) override { calls_.push_back(PaintCall::check(rect, text_, bk_)); }
    void DrawImage(const iconmenu::ImageList& list, int position, int x, int y, bool enabled) override {
        if (!list.PictureAt(position)) ADD_FAILURE() << "no picture at position " << position;
        calls_.push_back(PaintCall::image(&list, position, x, y, enabled));
    }

private:
    PainterSettings settings_;
    ColorRef bk_ = 0;
    ColorRef text_ = 0;
    MenuFont font_;
    bool transparent_ = false;
    std::vector<PaintCall> calls_;
};

}  // namespace pelin::testing
