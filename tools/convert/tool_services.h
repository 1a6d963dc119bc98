#pragma once
// The platform services of the converter: nothing is shown. The file dialogs
// are answered by the program itself with the files it is converting, and
// every message is kept so that a failure can be reported on the terminal.
#include <vector>

#include "form/services.h"

namespace pelin::convert {

class ToolDialogs : public form::CommonDialogBackend {
public:
    text::Text source;       // the answer of the next open dialog
    text::Text destination;  // the answer of the next save dialog
    bool showOpen(form::CommonDialog& dialog) override;
    bool showSave(form::CommonDialog& dialog) override;
    bool showColor(form::CommonDialog&) override { return false; }
};

class ToolMessages : public form::MessageBoxService {
public:
    // Questions are answered Yes, so that the wizard can be taken back to its first step.
    int show(text::TextView prompt, int flags, text::TextView title) override;
};

class NoPictures : public form::PictureLoader {
public:
    std::shared_ptr<form::Picture> load(const std::filesystem::path&) override { return nullptr; }
};

class NoClipboard : public form::Clipboard {
public:
    bool hasText() override { return false; }
    text::Text text() override { return {}; }
    void setText(text::TextView) override {}
};

class NoShell : public form::Shell {
public:
    void showFileProperties(text::TextView) override {}
    bool showInternetOptions() override { return false; }
    void openInBrowser(text::TextView, std::function<void(text::Text)>) override {}
};

class NoWindows : public form::WindowService {
public:
    void showNotepad(text::TextView, text::TextView, text::PageCharset) override {}
    void showCharacterDialog() override {}
    void showVersionWindow() override {}
};

}  // namespace pelin::convert
