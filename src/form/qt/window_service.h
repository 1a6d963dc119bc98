#pragma once
// The program's secondary windows, each a single instance shown modeless. They
// have no parent window, so each outlives the main window and the program ends
// only when the last of them closes.
#include <functional>

#include "form/services.h"

namespace pelin::form::qt {

class QtWindowService : public WindowService {
public:
    // Each window comes from the part of the program that makes it; until it
    // is set, asking for it shows nothing.
    std::function<void(TextView text, TextView file, text::PageCharset charset)> notepad;
    std::function<void()> characterDialog;
    std::function<void()> versionWindow;

    void showNotepad(TextView text, TextView file, text::PageCharset charset) override;
    void showCharacterDialog() override;
    void showVersionWindow() override;
};

}  // namespace pelin::form::qt
