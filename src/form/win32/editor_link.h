#pragma once
// Keeps an Editor control and its multi-line EDIT in step. The EDIT holds every
// line break as CR LF; the model keeps the line ends its file had. Each change
// the user makes is taken into the model's text as it happens, replacing only
// the stretch that changed, so every line the user did not touch keeps its own
// line end. `pull` hands the selection over just before a command runs, and
// `push` shows what the command changed as one replacement, which the EDIT's
// own undo takes back in one step.
#include <cstdint>

#include "form/controls.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

class EditorLink {
public:
    EditorLink(Editor& editor, HWND window);

    // The EDIT reported a change (EN_CHANGE).
    void take();
    void pull();
    void push();
    // Shows the model's text as a new document: the EDIT's undo starts afresh.
    void showAfresh();

    Editor& editor() const { return editor_; }
    HWND window() const { return window_; }

private:
    Editor& editor_;
    HWND window_;
    // The model's text as the EDIT last showed it or gave it, and its selection then.
    Text shown_;
    std::int32_t shownStart_ = 0, shownLength_ = 0;
    bool pushing_ = false;
};

// Positions between the EDIT's text (every line break CR LF) and the editor's
// view of it (every line break "\n", text::withLf), both in UTF-16 units.
std::int32_t lfPosition(TextView crlfText, std::int32_t crlfPosition);
std::int32_t crlfPosition(TextView lfText, std::int32_t lfPosition);

}  // namespace pelin::form::win32
