#pragma once
// The main window's dialog backend. It passes every dialog on to the real one,
// except that a file dropped on the source box answers the next open dialog
// without showing it, as if the user had chosen that file there.
#include <QString>

#include "form/services.h"

namespace pelin::wizard::qt {

class DroppedFileDialogs : public form::CommonDialogBackend {
public:
    explicit DroppedFileDialogs(form::CommonDialogBackend& real) : real_(real) {}

    // The next open dialog answers with `path` (a full path).
    void answerNextOpenWith(const QString& path) { dropped_ = path; }

    bool showOpen(form::CommonDialog& dialog) override;
    bool showSave(form::CommonDialog& dialog) override { return real_.showSave(dialog); }
    bool showColor(form::CommonDialog& dialog) override { return real_.showColor(dialog); }
    form::Text startFolder(const form::CommonDialog& dialog) override { return real_.startFolder(dialog); }

private:
    form::CommonDialogBackend& real_;
    QString dropped_;
};

}  // namespace pelin::wizard::qt
