#pragma once
// The main window's dialog backend. It passes every dialog on to the real one,
// except that a file dropped on the window answers the next open dialog
// without showing it, as if the user had chosen that file there.
#include <filesystem>
#include <optional>

#include "form/services.h"

namespace pelin::wizard::win32 {

class DroppedFileDialogs : public form::CommonDialogBackend {
public:
    explicit DroppedFileDialogs(form::CommonDialogBackend& real) : real_(real) {}

    // The next open dialog answers with `path`.
    void answerNextOpenWith(std::filesystem::path path) { dropped_ = std::move(path); }

    bool showOpen(form::CommonDialog& dialog) override;
    bool showSave(form::CommonDialog& dialog) override { return real_.showSave(dialog); }
    bool showColor(form::CommonDialog& dialog) override { return real_.showColor(dialog); }
    form::Text startFolder(const form::CommonDialog& dialog) override { return real_.startFolder(dialog); }

private:
    form::CommonDialogBackend& real_;
    std::optional<std::filesystem::path> dropped_;
};

}  // namespace pelin::wizard::win32
