#include "form/qt/editor_link.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

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
    QObject::connect(widget_.document(), &QTextDocument::contentsChange, &context,
                     [this](int position, int removed, int added) {
                         if (!pushing_) takeEdit(position, removed, added);
                     });
}

void EditorLink::takeEdit(int position, int removed, int added) {
    QTextDocument& document = *widget_.document();
    // The document counts a last paragraph end it does not show, and may report
    // an edit as reaching over it.
    const int end = document.characterCount() - 1;
    const int addedEnd = std::min(position + added, end);
    QTextCursor cursor(&document);
    cursor.setPosition(std::min(position, end));
    cursor.setPosition(std::max(addedEnd, std::min(position, end)), QTextCursor::KeepAnchor);
    QString now = cursor.selectedText();
    now.replace(QChar::ParagraphSeparator, u'\n');
    now.replace(QChar::LineSeparator, u'\n');

    Text& model = editor_.text;
    const auto from = static_cast<std::size_t>(text::modelPosition(model, position));
    const auto to = std::max(from, static_cast<std::size_t>(text::modelPosition(model, position + removed)));
    // An edit may be reported over more than it changed (a whole paragraph, or
    // the whole text): only the part that differs takes the editor's line breaks.
    const Text replaced = text::withEditorText(TextView(model).substr(from, to - from), fromQString(now));
    model.replace(from, to - from, replaced);
    shown_ = model;
}

void EditorLink::pull() {
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
}

}  // namespace pelin::form::qt
