#pragma once
// Showing a window that is already open brings it forward instead of opening
// a second one.
class QWidget;

namespace pelin::form::qt {

// Brings a window forward, restoring it when minimised.
void bringForward(QWidget& window);

}  // namespace pelin::form::qt
