#pragma once
// What the Windows program hands its windows: the folders it works with and the
// service that opens the program's other windows. The windows are linked to
// each other here, as they are on the Qt side, each as it is built for Windows.
#include <filesystem>
#include <functional>
#include <memory>
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

// The platform services, the settings file and the windows the program made:
// made with the first window, they last until the program ends.
struct ProgramParts;

struct ProgramContext {
    ProgramContext();
    ~ProgramContext();
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;

    std::filesystem::path dataFolder;           // the readme and the characters
    std::filesystem::path settingsFolder;       // "Pelin.ini"
    std::filesystem::path userCharacterFolder;  // the user's own characters; empty for none
    int showCommand = SW_SHOWNORMAL;            // how the main window is first shown
    ProgramWindowService windows;
    ProgramWindows opened;
    std::unique_ptr<ProgramParts> parts;
};

// Opens the program's first window (the splash, whose tick opens the main
// window). False when the program has no window to open.
bool openFirstWindow(ProgramContext& context);

// Links the window service to the program's notepad and version window, each
// entered in `context.opened` as it opens (showMainWindow does this too).
void linkWindowService(ProgramContext& context);

// Makes the main window, runs its start-up (which opens the source dialog) and
// shows it; links the notepad, the character dialog and the version window to
// it. Returns its handle, null when it could not be made.
HWND showMainWindow(ProgramContext& context);

}  // namespace pelin::app::win32
