#include "notepad/qt/notepad_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "form/qt/classic_look.h"
#include "form/qt/qt_text.h"
#include "notepad/editor_text.h"
#include "text/line_ends.h"

namespace pelin::notepad::qt {

using form::qt::fromQString;
using form::qt::toQString;

namespace {

// The editor's text as typed, with every line break as "\n" (toPlainText would
// also turn no-break spaces into spaces).
Text editorText(const QPlainTextEdit& editor) {
    QString raw = editor.document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return fromQString(raw);
}

}  // namespace

NotepadWindow::NotepadWindow(MainWindowLink mainWindow) : messageBox_(this) {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(Form4::kCaption));
    setWindowIcon(QIcon(QStringLiteral(":/pelin/pelin-16.png")));

    model_ = std::make_unique<Form4>(messageBox_, clipboard_, std::move(mainWindow));
    model_->onClose = [this] { close(); };
    model_->onUndo = [this] {
        editor_->setFocus();
        editor_->undo();
    };

    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("Text1"));
    editor_->setFont(form::qt::uiFont(9.75));
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setFrameShape(QFrame::NoFrame);
    setCentralWidget(editor_);  // always the whole client area
    connect(editor_->document(), &QTextDocument::contentsChange, this, [this] {
        if (!pushing_) editorChanged_ = true;
    });

    buildMenus();
    showMenuStates();
    resize(Form4::kClientWidth, Form4::kClientHeight + menuBar()->sizeHint().height());
}

NotepadWindow::~NotepadWindow() {
    // The model and this window's values go before the editor and the menus do:
    // nothing those send from here on may reach them.
    editor_->document()->disconnect(this);
    for (const auto& [item, action] : actions_) {
        action->disconnect(this);
        if (QMenu* menu = action->menu()) menu->disconnect(this);
    }
}

void NotepadWindow::buildMenus() {
    QMenu* menu = nullptr;
    for (const Form4::MenuEntry& entry : model_->menus()) {
        form::MenuItem& item = *entry.item;
        QAction* action = nullptr;
        if (!entry.menu) {
            menu = menuBar()->addMenu(toQString(item.caption));
            menu->setObjectName(QString::fromStdString(item.name));
            action = menu->menuAction();
            // Opening a menu is its click: 編集 decides its items' states then.
            connect(menu, &QMenu::aboutToShow, this, [this, &item] { runCommand(item); });
        } else if (item.separator) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(toQString(item.caption));
            action->setShortcut(QKeySequence(toQString(item.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, this, [this, &item] { runCommand(item); });
        }
        action->setObjectName(QString::fromStdString(item.name));
        actions_.emplace_back(&item, action);
    }
}

void NotepadWindow::showMenuStates() {
    for (auto& [item, action] : actions_) {
        action->setEnabled(item->enabled);
        action->setVisible(item->visible);
    }
}

bool NotepadWindow::open(TextView text, TextView file, text::PageCharset charset) {
    pullFromEditor();
    if (!model_->Open(text, file, charset)) {
        // Kept: a save that failed may have selected what it could not write.
        pushToEditor();
        return false;
    }
    shown_ = model_->Text1.text;
    shownStart_ = shownLength_ = 0;
    pushing_ = true;
    editor_->setPlainText(toQString(text::withLf(shown_)));
    pushing_ = false;
    editorChanged_ = false;
    return true;
}

void NotepadWindow::closeEvent(QCloseEvent* event) {
    pullFromEditor();
    const bool mayClose = model_->Form_QueryUnload();
    pushToEditor();
    if (mayClose) event->accept();
    else event->ignore();
}

void NotepadWindow::pullFromEditor() {
    form::TextBox& box = model_->Text1;
    if (editorChanged_) {
        // Only what the user changed takes the editor's line breaks.
        box.text = withEditorText(box.text, editorText(*editor_));
        editorChanged_ = false;
    }
    shown_ = box.text;
    const QTextCursor cursor = editor_->textCursor();
    box.selStart = modelPosition(box.text, cursor.selectionStart());
    box.selLength = modelPosition(box.text, cursor.selectionEnd()) - box.selStart;
    shownStart_ = box.selStart;
    shownLength_ = box.selLength;
}

void NotepadWindow::pushToEditor() {
    const form::TextBox& box = model_->Text1;
    const bool textChanged = box.text != shown_;
    if (!textChanged && box.selStart == shownStart_ && box.selLength == shownLength_) return;
    QTextCursor cursor(editor_->document());
    if (textChanged) {
        // Only the part that differs is replaced, as one edit the editor can undo.
        const Text before = editorText(*editor_);
        const Text after = text::withLf(box.text);
        const auto [head, tail] = difference(before, after);
        pushing_ = true;
        cursor.beginEditBlock();
        cursor.setPosition(static_cast<int>(head));
        cursor.setPosition(static_cast<int>(before.size() - tail), QTextCursor::KeepAnchor);
        cursor.insertText(toQString(TextView(after).substr(head, after.size() - head - tail)));
        cursor.endEditBlock();
        pushing_ = false;
        editorChanged_ = false;
    }
    cursor.setPosition(editorPosition(box.text, box.selStart));
    cursor.setPosition(editorPosition(box.text, box.selStart + box.selLength), QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
    shown_ = box.text;
    shownStart_ = box.selStart;
    shownLength_ = box.selLength;
}

void NotepadWindow::runCommand(form::MenuItem& item) {
    QPointer<NotepadWindow> self(this);
    pullFromEditor();
    item.click();
    if (!self) return;
    pushToEditor();
    showMenuStates();
}

}  // namespace pelin::notepad::qt
