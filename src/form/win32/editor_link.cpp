#include "form/win32/editor_link.h"

#include <algorithm>

#include "form/win32/win_text.h"
#include "form/win32/window_text.h"
#include "text/editor_text.h"
#include "text/line_ends.h"

namespace pelin::form::win32 {

std::int32_t lfPosition(TextView crlfText, std::int32_t crlfPosition) {
    const auto end = std::min(static_cast<std::size_t>(std::max(crlfPosition, 0)), crlfText.size());
    std::int32_t position = 0;
    for (std::size_t i = 0; i < end; ++i, ++position)
        if (crlfText[i] == u'\r' && i + 1 < crlfText.size() && crlfText[i + 1] == u'\n') ++i;
    return position;
}

std::int32_t crlfPosition(TextView lfText, std::int32_t lfPosition) {
    const auto end = std::min(static_cast<std::size_t>(std::max(lfPosition, 0)), lfText.size());
    const auto breaks = std::count(lfText.begin(), lfText.begin() + static_cast<std::ptrdiff_t>(end), u'\n');
    return static_cast<std::int32_t>(end + static_cast<std::size_t>(breaks));
}

EditorLink::EditorLink(Editor& editor, HWND window) : editor_(editor), window_(window) {
    // The EDIT's own limit (32767 units for typing) would cut off a long document.
    SendMessageW(window_, EM_SETLIMITTEXT, 0, 0);
}

void EditorLink::take() {
    if (pushing_) return;
    const Text edited = text::withLf(windowText(window_));
    if (edited == text::withLf(shown_)) return;
    editor_.text = text::withEditorText(editor_.text, edited);
    shown_ = editor_.text;
}

void EditorLink::pull() {
    take();
    shown_ = editor_.text;
    DWORD start = 0, end = 0;
    SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const Text crlf = windowText(window_);
    const auto from = lfPosition(crlf, static_cast<std::int32_t>(start));
    const auto to = lfPosition(crlf, static_cast<std::int32_t>(end));
    editor_.selStart = text::modelPosition(editor_.text, from);
    editor_.selLength = text::modelPosition(editor_.text, to) - editor_.selStart;
    shownStart_ = editor_.selStart;
    shownLength_ = editor_.selLength;
}

void EditorLink::push() {
    const bool textChanged = editor_.text != shown_;
    if (!textChanged && editor_.selStart == shownStart_ && editor_.selLength == shownLength_) return;
    const Text lf = text::withLf(editor_.text);
    if (textChanged) {
        // Only the part that differs is replaced, as one edit the EDIT can undo.
        const Text before = windowText(window_);
        const Text after = text::withCrLf(lf);
        const auto [head, tail] = text::difference(before, after);
        pushing_ = true;
        SendMessageW(window_, EM_SETSEL, head, static_cast<LPARAM>(before.size() - tail));
        const std::wstring replacement = toWide(TextView(after).substr(head, after.size() - head - tail));
        SendMessageW(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacement.c_str()));
        pushing_ = false;
    }
    const auto from = crlfPosition(lf, text::editorPosition(editor_.text, editor_.selStart));
    const auto to = crlfPosition(lf, text::editorPosition(editor_.text, editor_.selStart + editor_.selLength));
    SendMessageW(window_, EM_SETSEL, static_cast<WPARAM>(from), static_cast<LPARAM>(to));
    SendMessageW(window_, EM_SCROLLCARET, 0, 0);
    shown_ = editor_.text;
    shownStart_ = editor_.selStart;
    shownLength_ = editor_.selLength;
}

void EditorLink::showAfresh() {
    shown_ = editor_.text;
    shownStart_ = shownLength_ = 0;
    pushing_ = true;
    SetWindowTextW(window_, toWide(text::withCrLf(text::withLf(shown_))).c_str());
    SendMessageW(window_, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(window_, EM_SETSEL, 0, 0);
    pushing_ = false;
}

}  // namespace pelin::form::win32
