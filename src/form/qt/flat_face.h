#pragma once
// Buttons whose face previews a colour. The styles shade a button's face with a
// gradient (red FF0000 comes out as a lighter red); a preview must show exactly
// the colour the page will get, so such a face is drawn flat in that colour.
#include <QColor>

class QPushButton;

namespace pelin::form::qt {

// Makes `button` draw its face flat whenever it has a face colour.
void drawFlatFace(QPushButton& button);

// The face colour of such a button; an invalid colour gives back the style's face.
void setFaceColour(QPushButton& button, const QColor& colour);

}  // namespace pelin::form::qt
