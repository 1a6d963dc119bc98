#include "form/qt/window_service.h"

namespace pelin::form::qt {

void QtWindowService::showNotepad(TextView text, TextView file) {
    if (notepad) notepad(text, file);
}

void QtWindowService::showCharacterDialog() {
    if (characterDialog) characterDialog();
}

void QtWindowService::showVersionWindow() {
    if (versionWindow) versionWindow();
}

}  // namespace pelin::form::qt
