#pragma once
// frmSplash: the product name and version beside the mascot. Its timer fires
// once, 300 ms after the window is created; the tick hands over to the main
// window and then closes the splash.
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pelin::app {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // `showMain` runs on the tick; it shows the main window (whose start-up runs
    // inside it) and returns when that window is up.
    explicit SplashWindow(std::function<void()> showMain);

    QTimer& timer() { return timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Timer1_Timer();

    std::function<void()> showMain_;
    QTimer timer_;
};

}  // namespace pelin::app
