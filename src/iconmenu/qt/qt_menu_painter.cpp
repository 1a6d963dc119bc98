#include "iconmenu/qt/qt_menu_painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "form/qt/platform_services.h"
#include "form/qt/qt_text.h"
#include "iconmenu/image_list.h"

namespace pelin::iconmenu::qt {

using form::qt::toColourNumber;
using form::qt::toQString;

namespace {

// Edge parts, outer ring and inner ring.
constexpr unsigned BDR_RAISEDOUTER = 1;
constexpr unsigned BDR_SUNKENOUTER = 2;
constexpr unsigned BDR_SUNKENINNER = 8;
constexpr unsigned BF_LEFT = 1, BF_TOP = 2, BF_RIGHT = 4, BF_BOTTOM = 8;
// The smallest menu-bar button, as on a classic desktop at 96 dots per inch.
constexpr int kMinimumBarButton = 18;

QRect toQRect(const Rect& rect) { return QRect(rect.left, rect.top, rect.width(), rect.height()); }

// A picture's drawn pixels (opaque and not near white) in one colour: the
// shape the embossed look is made of.
QImage silhouette(const QPixmap& pixmap, const QColor& colour) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const bool drawn = qAlpha(pixel) >= 128 && qGray(pixel) < 192;
            line[x] = drawn ? colour.rgb() : qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

// Relative luminance, 0 for black to 1 for white.
double luminance(const QColor& colour) {
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// Whether a thin mark in `ink` can be made out on `paper`: the contrast asked of
// lines and symbols that carry meaning.
bool readable(const QColor& ink, const QColor& paper) {
    const double a = luminance(ink) + 0.05;
    const double b = luminance(paper) + 0.05;
    return std::max(a, b) / std::min(a, b) >= 3.0;
}

}  // namespace

QtMenuPainter::QtMenuPainter(QPainter* painter, const QWidget* widget)
    : painter_(painter),
      palette_(widget ? widget->palette() : QPalette()),
      baseFont_(widget ? widget->font() : QFont()),
      bkColor_(static_cast<ColorRef>(toColourNumber(palette_.color(QPalette::Window)))) {}

QColor QtMenuPainter::colour(ColorRef value) const { return form::qt::toQColor(static_cast<std::int32_t>(value)); }

QColor QtMenuPainter::systemColour(int index) const {
    switch (index) {
    case COLOR_MENU: return palette_.color(QPalette::Window);
    case COLOR_MENUTEXT: return palette_.color(QPalette::WindowText);
    case COLOR_HIGHLIGHT: return palette_.color(QPalette::Highlight);
    case COLOR_HIGHLIGHTTEXT: return palette_.color(QPalette::HighlightedText);
    case COLOR_BTNSHADOW: return palette_.color(QPalette::Dark);
    case COLOR_BTNHIGHLIGHT: return palette_.color(QPalette::Light);
    default: return palette_.color(QPalette::Window);
    }
}

ColorRef QtMenuPainter::GetSysColor(int index) const {
    return static_cast<ColorRef>(toColourNumber(systemColour(index)));
}

int QtMenuPainter::GetSystemMetrics(int index) const {
    if (index != SM_CYMENUSIZE) return 0;
    return std::max(kMinimumBarButton, QFontMetrics(baseFont_).height() + 4);
}

MenuFont QtMenuPainter::SelectFont(const MenuFont& font) {
    const MenuFont previous = font_;
    font_ = font;
    return previous;
}

QFont QtMenuPainter::currentFont() const {
    QFont font = baseFont_;
    if (font_.bold) font.setWeight(QFont::Bold);
    font.setItalic(font_.italic);
    font.setUnderline(font_.underline);
    return font;
}

void QtMenuPainter::FillRect(const Rect& rect, ColorRef colour) {
    if (painter_) painter_->fillRect(toQRect(rect), this->colour(colour));
}

void QtMenuPainter::drawLine(int x1, int y1, int x2, int y2, const QColor& colour) {
    painter_->setPen(colour);
    painter_->drawLine(x1, y1, x2, y2);
}

void QtMenuPainter::DrawEdge(const Rect& rect, unsigned edge, unsigned flags) {
    if (!painter_) return;
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    Rect ring = rect;
    // Outer ring first, then the inner ring one pixel in.
    for (int pass = 0; pass < 2; ++pass) {
        const unsigned raised = pass == 0 ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
        const unsigned sunken = pass == 0 ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
        if (edge & (raised | sunken)) {
            QColor topLeft, bottomRight;
            if (edge & raised) {
                topLeft = palette_.color(pass == 0 ? QPalette::Midlight : QPalette::Light);
                bottomRight = palette_.color(pass == 0 ? QPalette::Shadow : QPalette::Dark);
            } else {
                topLeft = palette_.color(pass == 0 ? QPalette::Dark : QPalette::Shadow);
                bottomRight = palette_.color(pass == 0 ? QPalette::Light : QPalette::Midlight);
            }
            const int l = ring.left, t = ring.top, r = ring.right - 1, b = ring.bottom - 1;
            if (flags & BF_LEFT) drawLine(l, t, l, b, topLeft);
            if (flags & BF_TOP) drawLine(l, t, r, t, topLeft);
            if (flags & BF_RIGHT) drawLine(r, t, r, b, bottomRight);
            if (flags & BF_BOTTOM) drawLine(l, b, r, b, bottomRight);
            ring = Rect{ring.left + 1, ring.top + 1, ring.right - 1, ring.bottom - 1};
        }
    }
    painter_->restore();
}

Rect QtMenuPainter::DrawText(TextView text, const Rect& rect, unsigned format) {
    const QString string = toQString(text);
    const QFont font = currentFont();
    if (format & DT_CALCRECT) {
        const QSize size = QFontMetrics(font).size(Qt::TextShowMnemonic | Qt::TextSingleLine, string);
        return Rect{rect.left, rect.top, rect.left + size.width(), rect.top + size.height()};
    }
    if (!painter_) return rect;
    int flags = Qt::TextShowMnemonic;
    if (format & DT_SINGLELINE) flags |= Qt::TextSingleLine;
    flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
    flags |= (format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    painter_->save();
    painter_->setFont(font);
    painter_->setPen(colour(textColor_));
    painter_->drawText(toQRect(rect), flags, string);
    painter_->restore();
    return rect;
}

void QtMenuPainter::DrawMenuCheckMark(const Rect& rect) {
    if (!painter_) return;
    // The mark is stamped whole: background colour around it, text colour in it.
    const QColor paper = colour(bkColor_);
    painter_->fillRect(toQRect(rect), paper);
    // A selected item stamps its mark in the highlighted text colour on the menu
    // colour. Classic desktops make those two differ; a palette whose highlighted
    // text is as light as its menus would hide the mark, which then takes the
    // menu text colour, or black or white, whichever can be seen.
    QColor ink = colour(textColor_);
    if (!readable(ink, paper)) ink = systemColour(COLOR_MENUTEXT);
    if (!readable(ink, paper)) ink = luminance(paper) > 0.18 ? Qt::black : Qt::white;
    const int cx = rect.left + rect.width() / 2;
    const int cy = rect.top + rect.height() / 2;
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setPen(ink);
    for (int row = 0; row < 3; ++row) {
        painter_->drawLine(cx - 3, cy - 1 + row, cx - 1, cy + 1 + row);
        painter_->drawLine(cx - 1, cy + 1 + row, cx + 3, cy - 3 + row);
    }
    painter_->restore();
}

void QtMenuPainter::DrawImage(const ImageList& list, int position, int x, int y, bool enabled) {
    if (!painter_) return;
    const QPixmap* pixmap = form::qt::pixmapOf(list.PictureAt(position));
    if (!pixmap) return;
    const QRect target(x, y, list.ImageWidth(), list.ImageHeight());
    if (enabled) {
        painter_->drawPixmap(target, *pixmap);
        return;
    }
    // Greyed: a light copy one pixel down and right under a dark one.
    painter_->drawImage(target.translated(1, 1), silhouette(*pixmap, systemColour(COLOR_BTNHIGHLIGHT)));
    painter_->drawImage(target, silhouette(*pixmap, systemColour(COLOR_BTNSHADOW)));
}

}  // namespace pelin::iconmenu::qt
