#pragma once
// What the menu drawing asks of the surface it draws on: the system's colours
// and sizes, a few drawing operations and the text and background colours,
// which stay set between calls as on a device context.
#include <cstdint>

#include "text/text.h"

namespace pelin::iconmenu {

using text::Text;
using text::TextView;

// A colour number: red + 256 × green + 65536 × blue.
using ColorRef = std::uint32_t;

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The menu font: the system's default interface font with these styles.
struct MenuFont {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const MenuFont&, const MenuFont&) = default;
};

// System colour indexes.
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
// System metric: height of a menu-bar button.
inline constexpr int SM_CYMENUSIZE = 55;
// Edges and frames.
inline constexpr unsigned BDR_RAISEDINNER = 4;
inline constexpr unsigned EDGE_RAISED = 5;
inline constexpr unsigned EDGE_SUNKEN = 10;
inline constexpr unsigned BF_RECT = 15;
// Text formats. In every text "&" marks the access key: it is not drawn and
// the character after it is underlined; "&&" stands for one "&".
inline constexpr unsigned DT_LEFT = 0;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_CALCRECT = 0x400;

class ImageList;

class MenuPainter {
public:
    virtual ~MenuPainter() = default;

    virtual ColorRef GetSysColor(int index) const = 0;
    virtual int GetSystemMetrics(int index) const = 0;

    // Text is drawn without filling its background.
    virtual void SetBkModeTransparent() = 0;
    virtual ColorRef GetBkColor() const = 0;
    virtual void SetBkColor(ColorRef colour) = 0;
    virtual void SetTextColor(ColorRef colour) = 0;
    // Selects the font and returns the one it replaces.
    virtual MenuFont SelectFont(const MenuFont& font) = 0;

    virtual void FillRect(const Rect& rect, ColorRef colour) = 0;
    virtual void DrawEdge(const Rect& rect, unsigned edge, unsigned flags) = 0;
    // Draws `text` in `rect` in the text colour. With DT_CALCRECT nothing is
    // drawn; the rectangle is returned grown to the text's size from its
    // top-left corner. Otherwise `rect` is returned.
    virtual Rect DrawText(TextView text, const Rect& rect, unsigned format) = 0;
    // The system's menu check mark over the whole rectangle, in the text colour
    // on the background colour.
    virtual void DrawMenuCheckMark(const Rect& rect) = 0;
    // Image `position` (0-based) of `list` with its top-left corner at x, y;
    // disabled: the system's embossed grey look.
    virtual void DrawImage(const ImageList& list, int position, int x, int y, bool enabled) = 0;
};

}  // namespace pelin::iconmenu
