#include "app/main_window.h"

#include <QIcon>
#include <QLabel>
#include <QMainWindow>

#include "app/ui_look.h"

namespace pelin::app {

QIcon programIcon() {
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"})
        icon.addPixmap(bundledPicture(QStringLiteral("pelin-") + QLatin1String(size)));
    return icon;
}

QWidget* showMainWindow(ProgramContext& context) {
    auto* window = new QMainWindow();
    window->setObjectName(QStringLiteral("Form1"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("ぺりん Ver1.31 - [ 変換ファイル未指定 ]"));
    auto* note = new QLabel(QStringLiteral("ぺりん Ver1.31"), window);
    note->setAlignment(Qt::AlignCenter);
    window->setCentralWidget(note);
    window->resize(720, 480);
    context.platform.setParentWindow(window);
    window->show();
    return window;
}

}  // namespace pelin::app
