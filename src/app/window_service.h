#pragma once
// The program's secondary windows, each a single instance shown modeless. They
// have no parent window, so each outlives the main window and the program ends
// only when the last of them closes.
#include <QPointer>
#include <functional>

#include "app/version_window.h"
#include "form/services.h"

namespace pelin::app {

class QtWindowService : public form::WindowService {
public:
    // The notepad and the character dialog come from their own windows; until
    // one is attached the program shows the text in a plain reader.
    std::function<void(form::TextView)> notepad;
    std::function<void()> characterDialog;

    void showNotepad(form::TextView text) override;
    void showCharacterDialog() override;
    void showVersionWindow() override;

    VersionWindow* versionWindow() const { return version_.data(); }

private:
    QPointer<VersionWindow> version_;
    QPointer<QWidget> reader_;
};

// Brings a window forward, restoring it when minimised.
void bringForward(QWidget& window);

}  // namespace pelin::app
