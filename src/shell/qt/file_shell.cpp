#include "shell/qt/file_shell.h"

#include "app/window_service.h"

namespace pelin::shell::qt {

void FileShell::showFileProperties(TextView path) {
    if (!window_) window_ = new PropertiesWindow(parentWindow());
    window_->showFacts(gatherFileFacts(path));
    app::bringForward(*window_);
}

}  // namespace pelin::shell::qt
