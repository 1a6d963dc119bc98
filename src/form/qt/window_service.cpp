#include "form/qt/window_service.h"

namespace pelin::form::qt {

void QtWindowService::showNotepad(TextView text, TextView file, text::PageCharset charset) {
    if (notepad) notepad(text, file, charset);
}

void QtWindowService::showCharacterDialog() {
    if (characterDialog) characterDialog();
}

void QtWindowService::showVersionWindow() {
    if (versionWindow) versionWindow();
}

}  // namespace pelin::form::qt
