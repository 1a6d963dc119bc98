#pragma once
// A label of the splash and version windows: text drawn on the window's own
// background at a place in twips, in the UI font.
#include <utility>

#include "form/win32/fonts.h"
#include "text/text.h"

namespace pelin::app::win32 {

// The label's size in points and its weight and underline, in the UI font.
struct LabelStyle {
    double pointSize = 9;
    bool bold = false;
    bool underline = false;
};

struct DrawnLabel {
    DrawnLabel(text::Text text, double boxLeft, double boxTop, double boxWidth, double boxHeight, LabelStyle fontStyle,
               double fitTo = 0)
        : caption(std::move(text)),
          left(boxLeft),
          top(boxTop),
          width(boxWidth),
          height(boxHeight),
          style(fontStyle),
          fitWidth(fitTo) {}

    text::Text caption;
    double left = 0, top = 0, width = 0, height = 0;  // twips
    LabelStyle style;
    // When set, the width in twips the text must fit: a wider fallback font is
    // made smaller (in quarter points, down to 8 pt) until it does.
    double fitWidth = 0;

    // After layout(): the font and the place the text takes at that DPI.
    form::win32::Font font;
    RECT place{};

    // Places the label as the windows were drawn: a text that needs more room
    // than its box grows to the right and down from its corner, and a font whose
    // ascent is taller than the one the windows were drawn for is lifted by the
    // difference, so it does not sink onto the rules below it.
    void layout(int dpi);
    void paint(HDC dc, COLORREF colour) const;
    bool contains(POINT point) const { return PtInRect(&place, point) != FALSE; }
};

}  // namespace pelin::app::win32
