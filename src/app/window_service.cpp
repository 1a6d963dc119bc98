#include "app/window_service.h"

#include <QPlainTextEdit>

#include "form/qt/qt_text.h"

namespace pelin::app {

void bringForward(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void QtWindowService::showVersionWindow() {
    if (!version_) version_ = new VersionWindow();
    bringForward(*version_);
}

void QtWindowService::showNotepad(form::TextView text) {
    if (notepad) return notepad(text);
    if (!reader_) {
        auto* reader = new QPlainTextEdit();
        reader->setObjectName(QStringLiteral("Form4"));
        reader->setAttribute(Qt::WA_DeleteOnClose);
        reader->setReadOnly(true);
        reader->setWindowTitle(QStringLiteral("ぺりん"));
        reader->resize(560, 420);
        reader_ = reader;
    }
    static_cast<QPlainTextEdit*>(reader_.data())->setPlainText(form::qt::toDisplayText(text));
    bringForward(*reader_);
}

void QtWindowService::showCharacterDialog() {
    if (characterDialog) characterDialog();
}

}  // namespace pelin::app
