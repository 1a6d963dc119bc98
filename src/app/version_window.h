#pragma once
// Form2: the version window. Its "OK" label behaves like a link: pink under the
// pointer, black again once the pointer crosses the window's own background;
// clicking it closes the window.
#include <QLabel>
#include <QWidget>

namespace pelin::app {

class VersionWindow : public QWidget {
    Q_OBJECT
public:
    VersionWindow();

    static inline const QColor kHoverColour{255, 153, 255};

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Label7_MouseMove();
    void Form_MouseMove();
    void Label7_Click();
    void setOkColour(const QColor& colour);

    QLabel* ok_ = nullptr;
};

// Shows the program's one version window: created on first use, brought forward
// while it is open. Returns it.
VersionWindow* showVersionWindow();

}  // namespace pelin::app
