#pragma once
// The look the program's windows were drawn with: fonts, colours, the placement
// of labels, and the pictures bundled with the program.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace pelin::form::qt {

// The Japanese UI font the windows were drawn for, then what this system has.
QFont uiFont(double pointSize, bool bold = false);

inline const QColor kDarkGrey(64, 64, 64);

// Puts a label at the given place (twips, left/top/width/height); a label whose
// text needs more room than that grows to the right and down from its corner,
// so a wider fallback font never clips the text.
void placeLabel(QLabel& label, double left, double top, double width, double height);

// How far a font's ascent exceeds that of the font the windows were drawn for.
int extraAscent(const QFont& font);

// Shrinks the label's font (in quarter points, down to 8 pt) until its text fits
// the given width in twips: a wider fallback font would run over its neighbours.
void fitLabelWidth(QLabel& label, double width);

// The picture bundled with the program under `name` (e.g. "mascot-blue"),
// drawn from its vector drawing for screens of `devicePixelRatio` device pixels
// to a pixel: its size in device-independent pixels is the drawing's own at
// every ratio. Without a ratio, for the sharpest of the screens there are.
QPixmap bundledPicture(const QString& name, qreal devicePixelRatio);
QPixmap bundledPicture(const QString& name);

// The highest device pixel ratio of the screens: pictures made for it are sharp
// on each of them.
qreal sharpestPixelRatio();

}  // namespace pelin::form::qt
