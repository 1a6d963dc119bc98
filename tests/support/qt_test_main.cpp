// GoogleTest inside a QApplication, so that tests can create widgets and run
// the event loop.
#include <gtest/gtest.h>
#include <QApplication>
#include <QStyleFactory>

#include "form/qt/binder.h"
#include "form/qt/classic_look.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(pelin::form::qt::uiFont(9));
    // A window that lacks the widget of one of its controls fails its test.
    pelin::form::qt::Binder::setStrict(true);
    return RUN_ALL_TESTS();
}
