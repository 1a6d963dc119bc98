#include "form/qt/dialog_place.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace pelin::form::qt {

QWidget* windowToOpenOver(QWidget* owner) {
    if (owner && owner->window()->isVisible()) return owner->window();
    QWidget* shown = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || (owner && window == owner->window())) continue;
        if (window->windowType() == Qt::SplashScreen) return window;
        if (!shown && window->windowType() != Qt::Dialog) shown = window;
    }
    return shown;
}

void centreOnItsWindow(QWidget& dialog) {
    const QWidget* over = windowToOpenOver(dialog.parentWidget());
    const QScreen* screen = over ? over->screen() : dialog.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    const QPoint middle = over ? over->frameGeometry().center() : free.center();
    // The frame the window system adds is not known before the dialog is shown
    // the first time; its size alone puts it close enough.
    const QSize frame = dialog.frameGeometry().size().expandedTo(dialog.size());
    QPoint at(middle.x() - frame.width() / 2, middle.y() - frame.height() / 2);
    at.setX(qBound(free.left(), at.x(), qMax(free.left(), free.right() + 1 - frame.width())));
    at.setY(qBound(free.top(), at.y(), qMax(free.top(), free.bottom() + 1 - frame.height())));
    dialog.move(at);
}

}  // namespace pelin::form::qt
