#pragma once
// The main window's platform services for Qt tests: scripted dialogs, recorded
// messages and windows, real picture loading.
#include "form/qt/platform_services.h"
#include "support/fakes.h"

namespace pelin::testing {

struct TestPlatform {
    ScriptedDialogs dialogs;
    RecordingMessages messages;
    form::qt::QtPictureLoader pictures;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeWindows windows;
    // The window keeps the services themselves, not this bundle of them.
    form::Services services(form::MessageBoxService* box = nullptr) {
        return {box ? *box : messages, dialogs, pictures, clipboard, shell, windows};
    }
};

}  // namespace pelin::testing
