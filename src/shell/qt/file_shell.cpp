#include "shell/qt/file_shell.h"

#include "form/qt/bring_forward.h"

namespace pelin::shell::qt {

void FileShell::showFileProperties(TextView path) {
    if (!window_) window_ = new PropertiesWindow(parentWindow());
    window_->showFacts(gatherFileFacts(path));
    form::qt::bringForward(*window_);
}

}  // namespace pelin::shell::qt
