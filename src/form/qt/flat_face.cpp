#include "form/qt/flat_face.h"

#include <qdrawutil.h>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace pelin::form::qt {
namespace {

constexpr char kFaceProperty[] = "pelinFace";

// Paints in place of the style while the button has a face colour: the colour
// edge to edge inside a one-pixel raised (or, pressed, sunken) edge, the caption
// in the button's text colour, and the style's focus frame.
class FlatFacePainter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        const QColor face = button ? button->property(kFaceProperty).value<QColor>() : QColor();
        if (!face.isValid()) return false;

        QPainter painter(button);
        const QRect area = button->rect();
        const bool down = button->isDown() || button->isChecked();
        painter.fillRect(area, face);
        qDrawShadePanel(&painter, area, button->palette(), down, 1);
        const QPalette::ColorGroup group = button->isEnabled() ? QPalette::Active : QPalette::Disabled;
        painter.setPen(button->palette().color(group, QPalette::ButtonText));
        painter.drawText(down ? area.translated(1, 1) : area, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
        if (button->hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(button);
            focus.rect = area.adjusted(3, 3, -3, -3);
            focus.backgroundColor = face;
            button->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, button);
        }
        return true;
    }
};

}  // namespace

void drawFlatFace(QPushButton& button) { button.installEventFilter(new FlatFacePainter(&button)); }

void setFaceColour(QPushButton& button, const QColor& colour) {
    button.setProperty(kFaceProperty, colour.isValid() ? QVariant(colour) : QVariant());
    button.update();
}

}  // namespace pelin::form::qt
