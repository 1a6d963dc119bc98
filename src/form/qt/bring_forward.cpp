#include "form/qt/bring_forward.h"

#include <QWidget>

namespace pelin::form::qt {

void bringForward(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace pelin::form::qt
