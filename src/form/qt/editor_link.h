#pragma once
// Keeps an Editor control and its QPlainTextEdit in step. While the user types,
// the widget holds the truth; `pull` hands its text and selection to the model
// just before a command runs, taking in only what the user changed (so lines
// they did not touch keep their line ends), and `push` shows what the command
// changed as one edit, so that the widget's own undo still reaches back over it.
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
    // The model's text as the widget last showed it or gave it, and its selection then.
    Text shown_;
    std::int32_t shownStart_ = 0, shownLength_ = 0;
    bool widgetChanged_ = false;
    bool pushing_ = false;
};

}  // namespace pelin::form::qt
