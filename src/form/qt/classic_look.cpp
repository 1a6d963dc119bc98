#include "form/qt/classic_look.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>

#include "form/qt/qt_text.h"

namespace pelin::form::qt {

QFont uiFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"), QStringLiteral("sans-serif")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

int extraAscent(const QFont& font) {
    // The windows were laid out for a font whose glyphs start at the top of the
    // line; fallback fonts with a taller ascent would push the text down onto
    // the rules below it.
    const QFontMetrics metrics(font);
    const int designAscent = static_cast<int>(QFontInfo(font).pixelSize() * 0.88 + 0.5);
    return std::max(0, metrics.ascent() - designAscent);
}

void placeLabel(QLabel& label, double left, double top, double width, double height) {
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QSize needed = label.sizeHint();
    const int lift = extraAscent(label.font());
    label.setGeometry(twips(left), twips(top) - lift, std::max(twips(width), needed.width()),
                      std::max(twips(height) + lift, needed.height()));
}

void fitLabelWidth(QLabel& label, double width) {
    QFont font = label.font();
    while (font.pointSizeF() > 8.0 && QFontMetrics(font).horizontalAdvance(label.text()) > twips(width)) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label.setFont(font);
    }
}

QPixmap bundledPicture(const QString& name, qreal devicePixelRatio) {
    QSvgRenderer drawing(QStringLiteral(":/pelin/") + name + QStringLiteral(".svg"));
    if (!drawing.isValid()) return QPixmap();
    QImage image(drawing.defaultSize() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    painter.end();
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(std::move(image));
}

QPixmap bundledPicture(const QString& name) { return bundledPicture(name, sharpestPixelRatio()); }

qreal sharpestPixelRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

}  // namespace pelin::form::qt
