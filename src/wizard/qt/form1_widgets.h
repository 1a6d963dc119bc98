#pragma once
// The main window's widgets and their layout. Every control's widget carries the
// control's name as objectName; the binder finds it there. Widgets are created
// step by step in the order the user fills them in, which is the tab order.
#include <QWidget>

namespace pelin::wizard::qt {

// Fills `client` (the window's central widget) with every control's widget.
void buildForm1Widgets(QWidget& client);

}  // namespace pelin::wizard::qt
