#include "notepad/qt/notepad_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSessionManager>

#include "form/qt/classic_look.h"
#include "form/qt/qt_text.h"

namespace pelin::notepad::qt {

using form::qt::toQString;

NotepadWindow::NotepadWindow(MainWindowLink mainWindow) : messageBox_(this) {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(Form4::kCaption));
    setWindowIcon(QIcon(QStringLiteral(":/pelin/pelin-16.png")));

    Form4& model = form_.create(messageBox_, clipboard_, shell_, std::move(mainWindow));
    model.onClose = [this] { close(); };
    model.onUndo = [this] {
        editor_->setFocus();
        editor_->undo();
    };

    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("Text1"));
    editor_->setFont(form::qt::uiFont(9.75));
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setFrameShape(QFrame::NoFrame);
    setCentralWidget(editor_);  // always the whole client area

    form_.makeBinder(this).bind(model.controls(), menuBar());
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (!sessionMayEnd(session.allowsInteraction())) session.cancel();
        session.release();
    });
    resize(Form4::kClientWidth, Form4::kClientHeight + menuBar()->sizeHint().height());
}

bool NotepadWindow::open(TextView text, TextView file, text::PageCharset charset) {
    bool opened = false;
    form_.binder().handle([&] { opened = form_.model().Open(text, file, charset); });
    if (opened) form_.binder().showAfresh(form_.model().Text1);
    return opened;
}

void NotepadWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    form_.binder().handle([this, &mayClose] { mayClose = form_.model().Form_QueryUnload(); });
    if (mayClose) event->accept();
    else event->ignore();
}

bool NotepadWindow::sessionMayEnd(bool mayAsk) {
    if (!form_.model().modified()) return true;
    if (!mayAsk) return false;
    bool mayEnd = false;
    form_.binder().handle([this, &mayEnd] { mayEnd = form_.model().Form_QueryUnload(); });
    return mayEnd;
}

void NotepadWindow::runCommand(form::MenuItem& item) {
    form_.binder().handle([&item] { item.click(); });
}

}  // namespace pelin::notepad::qt
