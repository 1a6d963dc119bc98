#pragma once
// The main window's widgets and their layout. Every control's widget carries the
// control's name as objectName; the binder finds it there. Widgets are created
// step by step in the order the user fills them in, which is the tab order.
#include <QWidget>

namespace pelin::wizard::qt {

// Fills `client` (the window's central widget) with every control's widget.
void buildForm1Widgets(QWidget& client);

// Makes the steps' area as large as its largest step needs, once the captions
// are shown: a hidden step counts for nothing in the window's own size, so the
// window would not jump, but cut the buttons of its last step.
void keepRoomForEveryStep(QWidget& client);

}  // namespace pelin::wizard::qt
