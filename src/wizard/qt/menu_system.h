#pragma once
// Who makes and draws the main window's menus. The window asks here for its menu
// bar and for the menus of items that hold others, and enters itself in the
// window system's menus, whose host and handle its start-up hands on to the icon
// menus. A window given none has Qt's ordinary menus.
class QMainWindow;
class QMenu;
class QMenuBar;
class QWidget;

namespace pelin::wizard {
struct Form1Options;
}

namespace pelin::wizard::qt {

class MenuSystem {
public:
    virtual ~MenuSystem() = default;
    virtual QMenuBar* makeMenuBar(QMainWindow& window) = 0;
    virtual QMenu* makeMenu(QWidget* owner) = 0;
    // Enters `window`, setting `options.menuHost` and `options.hWnd`.
    virtual void enterWindow(QMainWindow& window, Form1Options& options) = 0;
    // Takes the window out again, and whatever procedure stands in front of it.
    virtual void leaveWindow(QMainWindow& window) = 0;
};

}  // namespace pelin::wizard::qt
