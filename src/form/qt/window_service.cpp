#include "form/qt/window_service.h"

#include <QPlainTextEdit>

#include "form/messages.h"
#include "form/qt/bring_forward.h"
#include "form/qt/qt_text.h"

namespace pelin::form::qt {

void QtWindowService::showNotepad(TextView text, TextView file, text::PageCharset charset) {
    if (notepad) return notepad(text, file, charset);
    if (!reader_) {
        auto* reader = new QPlainTextEdit();
        reader->setObjectName(QStringLiteral("Form4"));
        reader->setAttribute(Qt::WA_DeleteOnClose);
        reader->setReadOnly(true);
        reader->setWindowTitle(toQString(kProgramTitle));
        reader->resize(560, 420);
        reader_ = reader;
    }
    static_cast<QPlainTextEdit*>(reader_.data())->setPlainText(toDisplayText(text));
    bringForward(*reader_);
}

void QtWindowService::showCharacterDialog() {
    if (characterDialog) characterDialog();
}

void QtWindowService::showVersionWindow() {
    if (versionWindow) versionWindow();
}

}  // namespace pelin::form::qt
