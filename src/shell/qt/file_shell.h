#pragma once
// The shell as this program offers it: file properties in a window of its own
// (one at a time, brought forward and refilled when asked again); no Internet
// options panel.
#include <QPointer>

#include "form/qt/platform_services.h"
#include "shell/qt/properties_window.h"

namespace pelin::shell::qt {

class FileShell : public form::qt::QtShell {
public:
    // The properties window belongs to `parent` (the main window).
    using QtShell::QtShell;
    void showFileProperties(TextView path) override;
    PropertiesWindow* window() const { return window_.data(); }

private:
    QPointer<PropertiesWindow> window_;
};

}  // namespace pelin::shell::qt
