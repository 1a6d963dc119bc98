#pragma once
// Helpers for driving modal dialogs and windows in Qt tests.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pelin::testing {

// Runs `answer` on the first modal dialog that opens (polling, so that nested
// dialogs opened from inside a handler are reached too).
inline void whenModalOpens(std::function<void(QWidget&)> answer) {
    auto* timer = new QTimer();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(*modal);
        }
    });
    timer->start();
}

}  // namespace pelin::testing
