#include "app/icon_menus.h"

#include <QMainWindow>

#include "iconmenu/qt/owner_drawn_menus.h"
#include "iconmenu/qt/qt_menu_host.h"
#include "wizard/form1.h"

namespace pelin::app {

namespace {

using iconmenu::qt::QtMenuHost;

class IconMenus : public wizard::qt::MenuSystem {
public:
    QMenuBar* makeMenuBar(QMainWindow& window) override { return new iconmenu::qt::OwnerDrawnMenuBar(&window); }
    QMenu* makeMenu(QWidget* owner) override { return new iconmenu::qt::OwnerDrawnMenu(owner); }
    void enterWindow(QMainWindow& window, wizard::Form1Options& options) override {
        options.menuHost = &QtMenuHost::instance();
        options.hWnd = QtMenuHost::instance().registerWindow(&window);
    }
    void leaveWindow(QMainWindow& window) override {
        QtMenuHost::instance().forgetWindow(QtMenuHost::instance().handleOf(&window));
    }
};

}  // namespace

wizard::qt::MenuSystem& iconMenus() {
    static IconMenus menus;
    return menus;
}

}  // namespace pelin::app
