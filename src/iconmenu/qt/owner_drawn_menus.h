#pragma once
// Menus whose owner-drawn items are measured and drawn by their window's
// procedure, and whose typed letters are answered by it, once a procedure is
// hooked in front of the window. Until then, and for separators, they look
// like any other menu.
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

namespace pelin::iconmenu::qt {

class QtMenuHost;

// Sends the size and paint requests of owner-drawn items to the procedure of
// the window the menu belongs to. Shared by all owner-drawn menus.
class OwnerDrawStyle : public QProxyStyle {
public:
    static OwnerDrawStyle* instance();

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

private:
    explicit OwnerDrawStyle(QtMenuHost& host);
    QtMenuHost& host_;
};

class OwnerDrawnMenu : public QMenu {
public:
    explicit OwnerDrawnMenu(QWidget* parent);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

class OwnerDrawnMenuBar : public QMenuBar {
public:
    explicit OwnerDrawnMenuBar(QWidget* parent);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace pelin::iconmenu::qt
