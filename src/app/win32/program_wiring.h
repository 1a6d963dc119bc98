#pragma once
// What the Windows program hands its windows: the folders it works with and the
// service that opens the program's other windows. The windows are linked to
// each other here, as they are on the Qt side, each as it is built for Windows.
#include <filesystem>
#include <functional>
#include <vector>

#include "form/services.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::app::win32 {

// The program's top-level windows: it ends when the last of them is closed or
// hidden.
class ProgramWindows {
public:
    void add(HWND window);
    // True once no window of the program is left to the user (none was opened,
    // or every one opened is gone or hidden).
    bool noneLeft();

private:
    std::vector<HWND> windows_;
};

// Opens the program's windows on request; each is a single instance shown
// modeless. A window the Windows program does not have yet opens nothing.
class ProgramWindowService final : public form::WindowService {
public:
    std::function<void(form::TextView text, form::TextView file, text::PageCharset charset)> notepad;
    std::function<void()> characterDialog;
    std::function<void()> versionWindow;

    void showNotepad(form::TextView text, form::TextView file, text::PageCharset charset) override;
    void showCharacterDialog() override;
    void showVersionWindow() override;
};

struct ProgramContext {
    std::filesystem::path dataFolder;           // the readme and the characters
    std::filesystem::path settingsFolder;       // "Pelin.ini"
    std::filesystem::path userCharacterFolder;  // the user's own characters; empty for none
    ProgramWindowService windows;
    ProgramWindows opened;
};

// Opens the program's first window (the splash, whose tick opens the main
// window). False when the program has no window to open.
bool openFirstWindow(ProgramContext& context);

}  // namespace pelin::app::win32
