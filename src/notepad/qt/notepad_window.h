#pragma once
// Form4 on the screen: the notepad model bound to its editor and menu bar. The
// editor is the truth while the user types; the binder hands its text to the
// model before a command runs and shows what the command changed as one edit,
// so that the editor's own undo still reaches back over it.
#include <QMainWindow>

#include "form/qt/binder.h"
#include "form/qt/message_box.h"
#include "form/qt/platform_services.h"
#include "notepad/form4.h"

class QPlainTextEdit;

namespace pelin::notepad::qt {

class NotepadWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit NotepadWindow(MainWindowLink mainWindow);

    Form4& model() { return form_.model(); }
    QPlainTextEdit* editor() const { return editor_; }
    // Shows `text`, which belongs to `file` (empty: to none), in place of the
    // text held (a new document: the editor's undo starts afresh), once unsaved
    // edits are saved or given up. False when the user keeps them.
    bool open(TextView text, TextView file = {}, text::PageCharset charset = text::PageCharset::Cp932);
    // Runs a menu item's command as a click on it does.
    void runCommand(form::MenuItem& item);
    // The desktop session is ending: unsaved edits are asked about as closing
    // the window asks, when the session lets the program ask. False when the
    // user keeps them (ｷｬﾝｾﾙ, or a save that failed): the session should wait.
    bool sessionMayEnd(bool mayAsk);

protected:
    // Unsaved edits are asked about first; ｷｬﾝｾﾙ keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    form::qt::QtMessageBox messageBox_;
    form::qt::QtClipboard clipboard_;
    form::qt::QtBrowserShell shell_{this};
    QPlainTextEdit* editor_ = nullptr;
    form::qt::BoundForm<Form4> form_;
};

}  // namespace pelin::notepad::qt
