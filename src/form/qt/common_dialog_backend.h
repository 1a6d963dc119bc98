#pragma once
// The file and colour dialogs behind a form's CommonDialog, shown with Qt's own
// dialogs. Each call reads the dialog's properties as the caller left them and,
// on a choice, writes the results back; cancelling reports false.
#include <QByteArray>
#include <QPointer>
#include <QWidget>

#include "form/services.h"

class QFileDialog;

namespace pelin::form::qt {

class QtCommonDialogBackend : public CommonDialogBackend {
public:
    // Qt's dialogs keep what they remember in this run only (keepQtDialogSettingsInMemory).
    explicit QtCommonDialogBackend(QWidget* parent = nullptr);
    void setParent(QWidget* parent) { parent_ = parent; }

    bool showOpen(CommonDialog& dialog) override;
    bool showSave(CommonDialog& dialog) override;
    bool showColor(CommonDialog& dialog) override;
    Text startFolder(const CommonDialog& dialog) override;

private:
    bool showFile(CommonDialog& dialog, bool save);
    QPointer<QWidget> parent_;
    QString lastFolder_;          // where the last file chosen in this run lay
    QByteArray fileDialogState_;  // the file dialog's folders, history and columns as last left
};

// Qt's own dialogs remember their folders and colours in settings of their own
// ("QtProject") in the user's configuration folder; the program keeps nothing but
// "Pelin.ini", so those settings are sent where no file can be written, and what
// the dialogs remember lasts as long as the program runs.
void keepQtDialogSettingsInMemory();

// The folder a file dialog opens in (form::dialogStartFolder).
QString startFolder(const QString& fileName, const QString& initDir, const QString& lastUsed);

// Prepares `fileDialog` from the properties (filters, folder, proposed name,
// flags); separate so that it can be checked without running the dialog.
void prepareFileDialog(QFileDialog& fileDialog, const CommonDialog& dialog, bool save, const QString& lastUsed = {});

// Writes the results of an accepted file dialog: the full path, the name without
// its folder and the filter index the user ended on.
void takeFileDialogResult(const QFileDialog& fileDialog, CommonDialog& dialog, bool save);

}  // namespace pelin::form::qt
