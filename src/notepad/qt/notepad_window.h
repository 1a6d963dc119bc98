#pragma once
// Form4 on the screen: the notepad model with its editor and menu bar. The
// editor is the truth while the user types; before a menu opens or a command
// runs, its text (when changed) and selection are copied into Text1, and what a
// command changed is shown again as one edit of the editor, so that the
// editor's own undo still reaches back over it.
#include <QMainWindow>
#include <memory>
#include <vector>

#include "form/qt/message_box.h"
#include "form/qt/platform_services.h"
#include "notepad/form4.h"

class QAction;
class QPlainTextEdit;

namespace pelin::notepad::qt {

class NotepadWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit NotepadWindow(MainWindowLink mainWindow);
    ~NotepadWindow() override;

    Form4& model() { return *model_; }
    QPlainTextEdit* editor() const { return editor_; }
    // Shows `text`, which belongs to `file` (empty: to none), in place of the
    // text held (a new document: the editor's undo starts afresh), once unsaved
    // edits are saved or given up. False when the user keeps them.
    bool open(TextView text, TextView file = {}, text::PageCharset charset = text::PageCharset::Cp932);
    // Runs a menu item's command as a click on it does.
    void runCommand(form::MenuItem& item);

protected:
    // Unsaved edits are asked about first; ｷｬﾝｾﾙ keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void pullFromEditor();
    void pushToEditor();
    void showMenuStates();

    form::qt::QtMessageBox messageBox_;
    form::qt::QtClipboard clipboard_;
    std::unique_ptr<Form4> model_;
    QPlainTextEdit* editor_ = nullptr;
    std::vector<std::pair<form::MenuItem*, QAction*>> actions_;
    // Text1 as the editor last showed it or gave it, and its selection then.
    Text shown_;
    std::int32_t shownStart_ = 0, shownLength_ = 0;
    bool editorChanged_ = false;
    bool pushing_ = false;
};

}  // namespace pelin::notepad::qt
