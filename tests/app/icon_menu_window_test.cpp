// The main window's menus on the screen: drawn by the icon menus, item by item,
// and answering typed letters from their access keys.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <cstdlib>
#include <functional>

#include "app/icon_menus.h"
#include "form/qt/qt_text.h"
#include "iconmenu/qt/qt_menu_host.h"
#include "iconmenu/qt/qt_menu_painter.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "wizard/qt/form1_window.h"

namespace pelin::wizard::qt {
namespace {

using form::qt::toQString;
using iconmenu::qt::QtMenuHost;

// Stands in front of the window's procedure and notes what passes. (The host
// lays the menus out again while it is being put in place, before `next` is known.)
class WatchingProcedure : public iconmenu::WindowProcedure {
public:
    iconmenu::WindowProcedure* next = nullptr;
    std::vector<std::int32_t> drawn, measured;
    void DrawItem(iconmenu::WindowHandle window, const iconmenu::DrawItemRecord& record) override {
        drawn.push_back(record.itemData);
        if (next) next->DrawItem(window, record);
    }
    void MeasureItem(iconmenu::WindowHandle window, iconmenu::MeasureItemRecord& record) override {
        measured.push_back(record.itemData);
        if (next) next->MeasureItem(window, record);
    }
    std::int32_t MenuChar(iconmenu::WindowHandle window, std::uint32_t wParam, iconmenu::MenuHandle menu) override {
        return next ? next->MenuChar(window, wParam, menu) : 0;
    }
};

class IconMenuWindowTest : public ::testing::Test {
protected:
    Form1Window& open() {
        std::filesystem::create_directories(program);
        form::Services services = platform.services();
        window = new Form1Window(services, ini, {program, false}, &app::iconMenus());
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->Form_Load();
        window->show();
        handle = QtMenuHost::instance().handleOf(window);
        return *window;
    }
    QMenu* openMenu(const char* name) {
        auto* menu = window->findChild<QMenu*>(QString::fromLatin1(name));
        window->menuBar()->setActiveAction(menu->menuAction());
        QTest::qWait(50);
        return menu;
    }
    QAction* action(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        delete window.data();
    }

    pelin::testing::TempDir dir;
    std::filesystem::path program = dir / "program";
    settings::SettingsFile ini{dir.path()};
    pelin::testing::TestPlatform platform;
    QPointer<Form1Window> window;
    iconmenu::WindowHandle handle = 0;
};

void forEachAction(QWidget* menu, const std::function<void(QAction*)>& visit) {
    for (QAction* a : menu->actions()) {
        visit(a);
        if (a->menu()) forEachAction(a->menu(), visit);
    }
}

TEST_F(IconMenuWindowTest, StartUpRecordsEveryItemAndHooksTheWindow) {
    Form1& model = open().model();
    const iconmenu::cIconMenu& icons = model.MainIconMenu;
    EXPECT_TRUE(icons.hooked());
    EXPECT_EQ(icons.hTargetWnd(), handle);
    EXPECT_EQ(icons.hMenu(), QtMenuHost::instance().handleOf(window->menuBar()));
    EXPECT_EQ(icons.MenuDefaultImage(), &model.ImageList1);
    EXPECT_EQ(icons.Style(), 1);
    EXPECT_EQ(icons.IconWidth(), 16);
    EXPECT_EQ(icons.IconHeight(), 16);

    // Every item but the separators is owner-drawn and found from its item data.
    int items = 0, separators = 0;
    forEachAction(window->menuBar(), [&](QAction* a) {
        if (a->isSeparator()) {
            EXPECT_FALSE(QtMenuHost::isOwnerDrawn(a));
            ++separators;
            return;
        }
        EXPECT_TRUE(QtMenuHost::isOwnerDrawn(a)) << a->objectName().toStdString();
        EXPECT_EQ(toQString(icons.GetIDtoKey(a->data().toInt())), a->text()) << a->objectName().toStdString();
        ++items;
    });
    EXPECT_EQ(separators, 4);
    EXPECT_EQ(static_cast<std::size_t>(items), icons.IconMenuItems().Count());

    // The four pictures, keyed by the captions of the items that show them.
    for (const char* name : {"mnufileopen", "mnuhelpreadme", "mnuoptioncharcter", "mnuhelpver"})
        EXPECT_GE(icons.GetImageIndex(form::qt::fromQString(action(name)->text())), 0) << name;
    EXPECT_EQ(icons.GetImageIndex(form::qt::fromQString(action("mnufilepro")->text())), -1);
}

TEST_F(IconMenuWindowTest, TheOpenMenuIsPaintedByTheOwnerDrawing) {
    open();
    WatchingProcedure watch;
    watch.next = QtMenuHost::instance().SetWindowProc(handle, &watch);

    QMenu* option = openMenu("mnuoption");
    ASSERT_TRUE(option->isVisible());
    QAction* character = action("mnuoptioncharcter");
    option->setActiveAction(character);
    const QImage image = option->grab().toImage();
    QtMenuHost::instance().SetWindowProc(handle, watch.next);

    // Measured and drawn through the window's procedure.
    EXPECT_NE(std::find(watch.drawn.begin(), watch.drawn.end(), character->data().toInt()), watch.drawn.end());
    const QRect item = option->actionGeometry(character);
    EXPECT_EQ(item.height(), 18);
    EXPECT_EQ(option->actionGeometry(action("mnuoptioninternetoption")).width(), item.width());

    // Style 1: the highlight starts 20 pixels in, beside the raised 18 × 18 icon cell.
    auto at = [&image](int x, int y) { return image.pixel(x, y); };
    auto colour = [option](QPalette::ColorRole role) { return option->palette().color(role).rgb(); };
    const QRgb highlight = colour(QPalette::Highlight);
    EXPECT_EQ(at(item.left() + 19, item.top() + 1), colour(QPalette::Window));
    EXPECT_EQ(at(item.left() + 20, item.top() + 1), highlight);
    EXPECT_EQ(at(item.right() - 1, item.bottom() - 1), highlight);
    EXPECT_EQ(at(item.left(), item.top() + 1), colour(QPalette::Light));
    EXPECT_EQ(at(item.left() + 17, item.top() + 9), colour(QPalette::Dark));
    // The unselected item below is not highlighted anywhere.
    const QRect next = option->actionGeometry(action("mnuoptionhozon"));
    for (int x = next.left(); x < next.right(); x += 7) EXPECT_NE(at(x, next.top() + 1), highlight) << x;
}

// A highlighted checked item stamps its mark in the highlighted text colour on
// the menu colour: with light menus and white highlighted text, as Qt's own
// palette has them, and with dark menus, the mark can still be seen.
TEST(MenuCheckMark, StandsOutFromTheMenuColourWhenHighlighted) {
    for (const QColor menuColour : {QColor(239, 239, 239), QColor(40, 40, 48)}) {
        QWidget menu;
        QPalette palette = menu.palette();
        palette.setColor(QPalette::Window, menuColour);
        palette.setColor(QPalette::HighlightedText, Qt::white);
        menu.setPalette(palette);
        QImage image(18, 18, QImage::Format_RGB32);
        QPainter painter(&image);
        iconmenu::qt::QtMenuPainter dc(&painter, &menu);
        dc.SetTextColor(dc.GetSysColor(iconmenu::COLOR_HIGHLIGHTTEXT));
        dc.SetBkColor(dc.GetSysColor(iconmenu::COLOR_MENU));
        dc.DrawMenuCheckMark({0, 0, 18, 18});
        painter.end();
        int contrasting = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (std::abs(qGray(image.pixel(x, y)) - qGray(menuColour.rgb())) > 120) ++contrasting;
        EXPECT_GE(contrasting, 15) << menuColour.name().toStdString();
    }
}

TEST_F(IconMenuWindowTest, TypedLetterExecutesTheItemWithThatAccessKey) {
    open();
    QMenu* help = openMenu("mnuhelp");
    QTest::keyClick(help, Qt::Key_Z);  // no item has it: a beep, and the menu stays
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(platform.windows.versionWindow, 0);

    QTest::keyClick(help, Qt::Key_V);
    QTest::qWait(20);
    EXPECT_EQ(platform.windows.versionWindow, 1);
    EXPECT_FALSE(help->isVisible());

    // On the menu bar a letter opens the entry whose access key it is.
    QTest::keyClick(window->menuBar(), Qt::Key_O);
    QTest::qWait(50);
    EXPECT_TRUE(window->findChild<QMenu*>(QStringLiteral("mnuoption"))->isVisible());
}

TEST_F(IconMenuWindowTest, ConfirmedExitUnhooksTheMenus) {
    open();
    platform.messages.answers = {form::kAnswerNo};
    window->close();
    EXPECT_NE(QtMenuHost::instance().hookOf(handle), nullptr);
    platform.messages.answers = {form::kAnswerYes};
    window->close();
    EXPECT_EQ(QtMenuHost::instance().hookOf(handle), nullptr);
    EXPECT_FALSE(window->model().MainIconMenu.hooked());
}

}  // namespace
}  // namespace pelin::wizard::qt
