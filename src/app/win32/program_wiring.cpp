#include "app/win32/program_wiring.h"

#include <algorithm>

namespace pelin::app::win32 {

void ProgramWindows::add(HWND window) {
    if (window && std::find(windows_.begin(), windows_.end(), window) == windows_.end()) windows_.push_back(window);
}

bool ProgramWindows::noneLeft() {
    // A handle of a window that is gone may come back as another window's.
    std::erase_if(windows_, [](HWND window) { return !IsWindow(window); });
    return std::none_of(windows_.begin(), windows_.end(), [](HWND window) { return IsWindowVisible(window); });
}

void ProgramWindowService::showNotepad(form::TextView text, form::TextView file, text::PageCharset charset) {
    if (notepad) notepad(text, file, charset);
}

void ProgramWindowService::showCharacterDialog() {
    if (characterDialog) characterDialog();
}

void ProgramWindowService::showVersionWindow() {
    if (versionWindow) versionWindow();
}

bool openFirstWindow(ProgramContext&) {
    // The splash and the main window of the Windows program are linked in here
    // as they are built; without them the program has nothing to show.
    return false;
}

}  // namespace pelin::app::win32
