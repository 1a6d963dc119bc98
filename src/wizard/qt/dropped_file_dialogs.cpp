#include "wizard/qt/dropped_file_dialogs.h"

#include <QDir>
#include <QFileInfo>

#include "form/qt/qt_text.h"

namespace pelin::wizard::qt {

bool DroppedFileDialogs::showOpen(form::CommonDialog& dialog) {
    if (dropped_.isEmpty()) return real_.showOpen(dialog);
    const QFileInfo file(dropped_);
    dropped_.clear();
    // The dialog would not have let the user pick what is not there; what is
    // there but cannot be read is refused by the window, which says why.
    if ((dialog.Flags & form::kCdlFileMustExist) && !file.exists()) return false;
    dialog.FileName = form::qt::fromQString(QDir::toNativeSeparators(file.absoluteFilePath()));
    dialog.FileTitle = form::qt::fromQString(file.fileName());
    return true;
}

}  // namespace pelin::wizard::qt
