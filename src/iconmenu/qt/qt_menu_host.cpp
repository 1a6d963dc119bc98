#include "iconmenu/qt/qt_menu_host.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "form/qt/qt_text.h"
#include "iconmenu/qt/qt_menu_painter.h"

namespace pelin::iconmenu::qt {

namespace {

const char* const kHandleProperty = "pelinHandle";
const char* const kCommandIdProperty = "pelinCommandId";
const char* const kOwnerDrawProperty = "pelinOwnerDraw";

bool isMenu(QObject* object) { return qobject_cast<QMenuBar*>(object) || qobject_cast<QMenu*>(object); }

QList<QAction*> actionsOf(QObject* menu) {
    return isMenu(menu) ? static_cast<QWidget*>(menu)->actions() : QList<QAction*>{};
}

}  // namespace

QtMenuHost& QtMenuHost::instance() {
    static QtMenuHost host;
    return host;
}

std::uint32_t QtMenuHost::handleFor(QObject* object) {
    if (!object) return 0;
    if (const std::uint32_t known = handleOf(object)) return known;
    const std::uint32_t handle = nextHandle_++;
    object->setProperty(kHandleProperty, QVariant::fromValue(handle));
    objects_[handle] = object;
    return handle;
}

std::uint32_t QtMenuHost::handleOf(const QObject* object) const {
    if (!object) return 0;
    const QVariant value = object->property(kHandleProperty);
    if (!value.isValid()) return 0;
    const std::uint32_t handle = value.value<std::uint32_t>();
    // A handle copied along with the object's properties is not its own.
    return objectOf(handle) == object ? handle : 0;
}

QObject* QtMenuHost::objectOf(std::uint32_t handle) const {
    const auto where = objects_.find(handle);
    return where == objects_.end() ? nullptr : where->second.data();
}

WindowHandle QtMenuHost::registerWindow(QMainWindow* window) { return handleFor(window); }

void QtMenuHost::forgetWindow(WindowHandle window) {
    procedures_.erase(window);
    objects_.erase(window);
}

WindowHandle QtMenuHost::windowOf(const QWidget* widget) const {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (qobject_cast<const QMainWindow*>(w) && handleOf(w)) return handleOf(w);
    return 0;
}

WindowProcedure* QtMenuHost::hookOf(WindowHandle window) const {
    const auto where = procedures_.find(window);
    return where == procedures_.end() ? nullptr : where->second;
}

bool QtMenuHost::isOwnerDrawn(const QAction* action) { return action && action->property(kOwnerDrawProperty).toBool(); }

MenuHandle QtMenuHost::GetMenu(WindowHandle window) {
    auto* main = qobject_cast<QMainWindow*>(objectOf(window));
    if (!main) return 0;
    return handleFor(qobject_cast<QMenuBar*>(main->menuWidget()));
}

int QtMenuHost::GetMenuItemCount(MenuHandle menu) {
    QObject* object = objectOf(menu);
    return isMenu(object) ? static_cast<int>(actionsOf(object).size()) : -1;
}

QAction* QtMenuHost::actionAt(MenuHandle menu, int position) const {
    const QList<QAction*> actions = actionsOf(objectOf(menu));
    return position >= 0 && position < actions.size() ? actions.at(position) : nullptr;
}

std::int32_t QtMenuHost::commandId(QAction* action) {
    const QVariant value = action->property(kCommandIdProperty);
    if (value.isValid()) return value.toInt();
    const std::int32_t id = nextCommandId_++;
    action->setProperty(kCommandIdProperty, id);
    return id;
}

std::int32_t QtMenuHost::GetMenuItemID(MenuHandle menu, int position) {
    QAction* action = actionAt(menu, position);
    if (!action || action->menu()) return -1;
    return commandId(action);
}

MenuHandle QtMenuHost::GetSubMenu(MenuHandle menu, int position) {
    QAction* action = actionAt(menu, position);
    return action ? handleFor(action->menu()) : 0;
}

QAction* QtMenuHost::actionWithId(MenuHandle menu, std::int32_t id) const {
    for (QAction* action : actionsOf(objectOf(menu))) {
        const QVariant value = action->property(kCommandIdProperty);
        if (value.isValid() && value.toInt() == id) return action;
        if (action->menu())
            if (QAction* inner = actionWithId(handleOf(action->menu()), id)) return inner;
    }
    return nullptr;
}

QAction* QtMenuHost::findItem(MenuHandle menu, std::int32_t item, bool byPosition) const {
    return byPosition ? actionAt(menu, item) : actionWithId(menu, item);
}

bool QtMenuHost::GetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, MenuItemInfo& info) {
    QAction* action = findItem(menu, item, byPosition);
    if (!action) return false;
    if (info.fMask & MIIM_TYPE) {
        info.fType = (action->isSeparator() ? MFT_SEPARATOR : 0) | (isOwnerDrawn(action) ? MFT_OWNERDRAW : 0);
        QString text = action->text();
        if (!action->shortcut().isEmpty())
            text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText);
        info.dwTypeData = form::qt::fromQString(text);
    }
    if (info.fMask & MIIM_ID) info.wID = commandId(action);
    if (info.fMask & MIIM_SUBMENU) info.hSubMenu = handleFor(action->menu());
    if (info.fMask & MIIM_DATA) info.dwItemData = action->data().toInt();
    return true;
}

bool QtMenuHost::SetMenuItemInfo(MenuHandle menu, std::int32_t item, bool byPosition, const MenuItemInfo& info) {
    QAction* action = findItem(menu, item, byPosition);
    if (!action) return false;
    if (info.fMask & MIIM_TYPE) action->setProperty(kOwnerDrawProperty, (info.fType & MFT_OWNERDRAW) != 0);
    // Setting the data also tells the menus that the item changed.
    if (info.fMask & MIIM_DATA) action->setData(info.dwItemData);
    return true;
}

void QtMenuHost::DrawMenuBar(WindowHandle window) {
    if (auto* bar = qobject_cast<QMenuBar*>(objectOf(GetMenu(window)))) {
        bar->updateGeometry();
        bar->update();
    }
}

void QtMenuHost::relayoutMenus(WindowHandle window) {
    auto* main = qobject_cast<QMainWindow*>(objectOf(window));
    auto* bar = main ? qobject_cast<QMenuBar*>(main->menuWidget()) : nullptr;
    if (!bar) return;
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(bar, &change);
    for (QMenu* menu : bar->findChildren<QMenu*>()) QCoreApplication::sendEvent(menu, &change);
}

WindowProcedure* QtMenuHost::SetWindowProc(WindowHandle window, WindowProcedure* procedure) {
    WindowProcedure* previous = hookOf(window);
    if (!previous) previous = &default_;
    if (!procedure || procedure == &default_) procedures_.erase(window);
    else procedures_[window] = procedure;
    relayoutMenus(window);
    return previous;
}

std::unique_ptr<MenuPainter> QtMenuHost::GetDC(WindowHandle window) {
    auto* main = qobject_cast<QMainWindow*>(objectOf(window));
    if (!main) return nullptr;
    const QWidget* surface = main->menuWidget() ? main->menuWidget() : main;
    return std::make_unique<QtMenuPainter>(nullptr, surface);
}

}  // namespace pelin::iconmenu::qt
