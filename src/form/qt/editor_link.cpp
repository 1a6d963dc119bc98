#include "form/qt/editor_link.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include "form/qt/qt_text.h"
#include "text/editor_text.h"
#include "text/line_ends.h"

namespace pelin::form::qt {

namespace {

// The widget's text as typed, with every line break as "\n" (toPlainText would
// also turn no-break spaces into spaces).
Text widgetText(const QPlainTextEdit& widget) {
    QString raw = widget.document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return fromQString(raw);
}

}  // namespace

EditorLink::EditorLink(Editor& editor, QPlainTextEdit& widget, QObject& context) : editor_(editor), widget_(widget) {
    QObject::connect(widget_.document(), &QTextDocument::contentsChange, &context, [this] {
        if (!pushing_) widgetChanged_ = true;
    });
}

void EditorLink::pull() {
    if (widgetChanged_) {
        editor_.text = text::withEditorText(editor_.text, widgetText(widget_));
        widgetChanged_ = false;
    }
    shown_ = editor_.text;
    const QTextCursor cursor = widget_.textCursor();
    editor_.selStart = text::modelPosition(editor_.text, cursor.selectionStart());
    editor_.selLength = text::modelPosition(editor_.text, cursor.selectionEnd()) - editor_.selStart;
    shownStart_ = editor_.selStart;
    shownLength_ = editor_.selLength;
}

void EditorLink::push() {
    const bool textChanged = editor_.text != shown_;
    if (!textChanged && editor_.selStart == shownStart_ && editor_.selLength == shownLength_) return;
    QTextCursor cursor(widget_.document());
    if (textChanged) {
        // Only the part that differs is replaced, as one edit the widget can undo.
        const Text before = widgetText(widget_);
        const Text after = text::withLf(editor_.text);
        const auto [head, tail] = text::difference(before, after);
        pushing_ = true;
        cursor.beginEditBlock();
        cursor.setPosition(static_cast<int>(head));
        cursor.setPosition(static_cast<int>(before.size() - tail), QTextCursor::KeepAnchor);
        cursor.insertText(toQString(TextView(after).substr(head, after.size() - head - tail)));
        cursor.endEditBlock();
        pushing_ = false;
        widgetChanged_ = false;
    }
    cursor.setPosition(text::editorPosition(editor_.text, editor_.selStart));
    cursor.setPosition(text::editorPosition(editor_.text, editor_.selStart + editor_.selLength),
                       QTextCursor::KeepAnchor);
    widget_.setTextCursor(cursor);
    shown_ = editor_.text;
    shownStart_ = editor_.selStart;
    shownLength_ = editor_.selLength;
}

void EditorLink::showAfresh() {
    shown_ = editor_.text;
    shownStart_ = shownLength_ = 0;
    pushing_ = true;
    widget_.setPlainText(toQString(text::withLf(shown_)));
    pushing_ = false;
    widgetChanged_ = false;
}

}  // namespace pelin::form::qt
