#pragma once
// The menu drawing's surface over a QPainter: the system colours come from the
// widget's palette and the interface font from the widget's font. Without a
// painter it only measures.
#include <QColor>
#include <QFont>
#include <QPalette>

#include "iconmenu/menu_painter.h"

class QPainter;
class QWidget;

namespace pelin::iconmenu::qt {

class QtMenuPainter : public MenuPainter {
public:
    QtMenuPainter(QPainter* painter, const QWidget* widget);

    ColorRef GetSysColor(int index) const override;
    int GetSystemMetrics(int index) const override;
    void SetBkModeTransparent() override {}
    ColorRef GetBkColor() const override { return bkColor_; }
    void SetBkColor(ColorRef colour) override { bkColor_ = colour; }
    void SetTextColor(ColorRef colour) override { textColor_ = colour; }
    MenuFont SelectFont(const MenuFont& font) override;
    void FillRect(const Rect& rect, ColorRef colour) override;
    void DrawEdge(const Rect& rect, unsigned edge, unsigned flags) override;
    Rect DrawText(TextView text, const Rect& rect, unsigned format) override;
    void DrawMenuCheckMark(const Rect& rect) override;
    void DrawImage(const ImageList& list, int position, int x, int y, bool enabled) override;

private:
    QColor colour(ColorRef value) const;
    QColor systemColour(int index) const;
    QFont currentFont() const;
    void drawLine(int x1, int y1, int x2, int y2, const QColor& colour);

    QPainter* painter_;
    QPalette palette_;
    QFont baseFont_;
    MenuFont font_;
    ColorRef bkColor_;
    ColorRef textColor_ = 0;
};

}  // namespace pelin::iconmenu::qt
