#include "iconmenu/qt/owner_drawn_menus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionMenuItem>

#include "iconmenu/qt/qt_menu_host.h"
#include "iconmenu/qt/qt_menu_painter.h"

namespace pelin::iconmenu::qt {

namespace {

// What the platform adds to the size an owner-drawn item asks for: drop-down
// items get the width of a check mark beside their own, menu-bar items a gap
// that keeps their captions apart.
constexpr int kCheckMarkWidth = 12;
constexpr int kBarItemGap = 8;
// A separator between the items of a hooked window's menus: as high as the
// platform makes it, with an etched line (a dark line over a light one) across
// its middle.
constexpr int kSeparatorHeight = 8;
constexpr unsigned EDGE_ETCHED = 6;
constexpr unsigned BF_TOP = 2;

// An owner-drawn item of a hooked window, as a style option names it.
struct Target {
    WindowProcedure* procedure = nullptr;
    WindowHandle window = 0;
    const QAction* action = nullptr;
    explicit operator bool() const { return procedure != nullptr; }
};

// The menus put the item's action into its style option (see initStyleOption).
Target targetOf(const QtMenuHost& host, const QStyleOption* option, const QWidget* widget) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item || item->menuItemType == QStyleOptionMenuItem::Separator) return {};
    const auto* action = qobject_cast<const QAction*>(option->styleObject);
    if (!QtMenuHost::isOwnerDrawn(action)) return {};
    const WindowHandle window = host.windowOf(widget);
    WindowProcedure* procedure = host.hookOf(window);
    if (!procedure) return {};
    return Target{procedure, window, action};
}

std::uint32_t itemStateOf(const QStyleOptionMenuItem& option) {
    std::uint32_t state = 0;
    if (option.state & QStyle::State_Selected) state |= ODS_SELECTED;
    if (!(option.state & QStyle::State_Enabled)) state |= ODS_GRAYED | ODS_DISABLED;
    if (option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked) state |= ODS_CHECKED;
    return state;
}

// The platform marks an item that opens a submenu with an arrow at its right
// end, over whatever the owner drew.
void drawSubmenuArrow(QPainter& painter, const QStyleOptionMenuItem& item) {
    const bool enabled = item.state & QStyle::State_Enabled;
    const bool selected = enabled && (item.state & QStyle::State_Selected);
    const QColor colour = !enabled   ? item.palette.color(QPalette::Dark)
                          : selected ? item.palette.color(QPalette::HighlightedText)
                                     : item.palette.color(QPalette::WindowText);
    const QRect r = item.rect;
    const int x = r.right() - 9;
    const int y = r.top() + r.height() / 2;
    const QPoint arrow[] = {QPoint(x, y - 3), QPoint(x + 3, y), QPoint(x, y + 3)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(arrow, 3);
    painter.restore();
}

bool isSeparator(const QStyleOption* option) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    return item && item->menuItemType == QStyleOptionMenuItem::Separator;
}

void markAction(QStyleOptionMenuItem* option, const QAction* action) {
    if (QtMenuHost::isOwnerDrawn(action)) option->styleObject = const_cast<QAction*>(action);
}

// A letter typed in an open menu goes to the window's procedure: it names the
// item to execute, or nothing (a beep). Returns false for keys it leaves alone.
template <typename Execute>
bool answerMenuCharacter(const QWidget* menu, QKeyEvent* event, Execute execute) {
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint() || text.at(0).isSpace()) return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    QtMenuHost& host = QtMenuHost::instance();
    const WindowHandle window = host.windowOf(menu);
    WindowProcedure* procedure = host.hookOf(window);
    if (!procedure) return false;
    const std::int32_t answer = procedure->MenuChar(window, text.at(0).unicode(), host.handleOf(menu));
    if ((answer & 0xFFFF0000) == MNC_EXECUTE_HIGH) {
        if (QAction* action = menu->actions().value(answer & 0xFFFF)) {
            execute(action);
            return true;
        }
    }
    QApplication::beep();
    return true;
}

}  // namespace

OwnerDrawStyle* OwnerDrawStyle::instance() {
    static QPointer<OwnerDrawStyle> style;
    if (!style) {
        style = new OwnerDrawStyle(QtMenuHost::instance());
        style->setParent(qApp);  // lives as long as the application
    }
    return style;
}

OwnerDrawStyle::OwnerDrawStyle(QtMenuHost& host) : host_(host) {}

QSize OwnerDrawStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                       const QWidget* widget) const {
    if (type == CT_MenuItem || type == CT_MenuBarItem) {
        if (const Target target = targetOf(host_, option, widget)) {
            MeasureItemRecord record;
            record.CtlType = ODT_MENU;
            record.itemData = target.action->data().toInt();
            target.procedure->MeasureItem(target.window, record);
            const int added = type == CT_MenuItem ? kCheckMarkWidth : kBarItemGap;
            return QSize(record.itemWidth + added, record.itemHeight);
        }
        if (isSeparator(option) && host_.hookOf(host_.windowOf(widget))) return QSize(size.width(), kSeparatorHeight);
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void OwnerDrawStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    if (element == CE_MenuItem || element == CE_MenuBarItem) {
        if (const Target target = targetOf(host_, option, widget)) {
            QtMenuPainter dc(painter, widget);
            DrawItemRecord record;
            record.CtlType = ODT_MENU;
            record.itemState = itemStateOf(*qstyleoption_cast<const QStyleOptionMenuItem*>(option));
            record.hDC = &dc;
            const QRect r = option->rect;
            record.rcItem = Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
            record.itemData = target.action->data().toInt();
            painter->save();
            target.procedure->DrawItem(target.window, record);
            painter->restore();
            const auto& item = *qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            if (item.menuItemType == QStyleOptionMenuItem::SubMenu) drawSubmenuArrow(*painter, item);
            return;
        }
        if (element == CE_MenuItem && isSeparator(option) && host_.hookOf(host_.windowOf(widget))) {
            QtMenuPainter dc(painter, widget);
            const QRect r = option->rect;
            const int middle = r.top() + r.height() / 2;
            dc.DrawEdge(Rect{r.left(), middle - 1, r.left() + r.width(), middle + 1}, EDGE_ETCHED, BF_TOP);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void OwnerDrawStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    // Owner-drawn items sit on the plain menu colour, in a classic raised frame.
    if (element == PE_PanelMenuBar || element == PE_PanelMenu || element == PE_FrameMenu) {
        if (!host_.hookOf(host_.windowOf(widget))) return QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element != PE_FrameMenu) painter->fillRect(option->rect, option->palette.color(QPalette::Window));
        if (element == PE_PanelMenuBar) return;
        QtMenuPainter dc(painter, widget);
        const QRect r = option->rect;
        dc.DrawEdge(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}, EDGE_RAISED, BF_RECT);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int OwnerDrawStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    if (widget && host_.hookOf(host_.windowOf(widget))) {
        switch (metric) {
        case PM_MenuPanelWidth: return 3;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuBarItemSpacing:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
        case PM_MenuBarPanelWidth: return 0;
        default: break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

OwnerDrawnMenu::OwnerDrawnMenu(QWidget* parent) : QMenu(parent) { setStyle(OwnerDrawStyle::instance()); }

void OwnerDrawnMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    markAction(option, action);
}

void OwnerDrawnMenu::keyPressEvent(QKeyEvent* event) {
    const bool answered = answerMenuCharacter(this, event, [this](QAction* action) {
        // Executed as Enter would: a submenu opens, a command runs and the menus close.
        setActiveAction(action);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QMenu::keyPressEvent(&enter);
    });
    if (!answered) QMenu::keyPressEvent(event);
}

OwnerDrawnMenuBar::OwnerDrawnMenuBar(QWidget* parent) : QMenuBar(parent) { setStyle(OwnerDrawStyle::instance()); }

void OwnerDrawnMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    markAction(option, action);
}

void OwnerDrawnMenuBar::keyPressEvent(QKeyEvent* event) {
    const bool answered = answerMenuCharacter(this, event, [this](QAction* action) {
        setActiveAction(action);
        if (!action->menu()) action->trigger();
    });
    if (!answered) QMenuBar::keyPressEvent(event);
}

}  // namespace pelin::iconmenu::qt
