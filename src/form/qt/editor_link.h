#pragma once
// Keeps an Editor control and its QPlainTextEdit in step. Each edit of the
// user's is taken into the model's text as it happens, replacing only what that
// edit changed, so every line the user did not touch keeps its own line end
// however many edits there were. `pull` hands the selection over just before a
// command runs, and `push` shows what the command changed as one edit, so that
// the widget's own undo still reaches back over it.
#include <QObject>
#include <cstdint>

#include "form/controls.h"

class QPlainTextEdit;

namespace pelin::form::qt {

class EditorLink {
public:
    // Edits of the widget are noticed through connections held by `context`.
    EditorLink(Editor& editor, QPlainTextEdit& widget, QObject& context);

    void pull();
    void push();
    // Shows the model's text as a new document: the widget's undo starts afresh.
    void showAfresh();

    Editor& editor() const { return editor_; }

private:
    Editor& editor_;
    QPlainTextEdit& widget_;
    // One edit of the widget's: `removed` characters at `position` replaced by
    // `added` others.
    void takeEdit(int position, int removed, int added);

    // The model's text as the widget last showed it or gave it, and its selection then.
    Text shown_;
    std::int32_t shownStart_ = 0, shownLength_ = 0;
    bool pushing_ = false;
};

}  // namespace pelin::form::qt
