#include <gtest/gtest.h>

#include "app/win32/drawn_label.h"
#include "form/win32/dpi.h"

namespace pelin::app::win32 {
namespace {

using form::win32::twipsToPixels;

// A text far too wide for its room in any font: the font is made smaller,
// down to 8 pt and no further.
TEST(DrawnLabel, AFittedTextShrinksToEightPointsAtMost) {
    DrawnLabel wide(u"テキスト→HTML変換ソフト テキスト→HTML変換ソフト", 240, 120, 600, 255, {9.75}, 600);
    DrawnLabel small(u"テキスト→HTML変換ソフト テキスト→HTML変換ソフト", 240, 120, 600, 255, {8});
    for (const int dpi : {96, 144, 192}) {
        wide.layout(dpi);
        small.layout(dpi);
        EXPECT_EQ(wide.place.right - wide.place.left, small.place.right - small.place.left) << dpi;
    }
}

// The caption's width in the label's font, in pixels.
int captionWidth(const DrawnLabel& label) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, label.font.get());
    SIZE size{};
    GetTextExtentPoint32W(screen, reinterpret_cast<const wchar_t*>(label.caption.c_str()),
                          static_cast<int>(label.caption.size()), &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

TEST(DrawnLabel, AFittedTextEndsWithinItsWidthAtEveryDpi) {
    DrawnLabel version(u"Ver1.31", 3120, 960, 1215, 375, {15.75, true}, 1050);
    for (const int dpi : {96, 144, 192}) {
        version.layout(dpi);
        EXPECT_LE(captionWidth(version), twipsToPixels(1050, dpi)) << dpi;
        // Its box starts where it was drawn, whatever the font.
        EXPECT_EQ(version.place.left, twipsToPixels(3120, dpi));
    }
}

}  // namespace
}  // namespace pelin::app::win32
