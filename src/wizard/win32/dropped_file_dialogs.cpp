#include "wizard/win32/dropped_file_dialogs.h"

#include <system_error>

#include "text/textfile.h"

namespace pelin::wizard::win32 {

bool DroppedFileDialogs::showOpen(form::CommonDialog& dialog) {
    if (!dropped_) return real_.showOpen(dialog);
    std::error_code error;
    std::filesystem::path file = std::filesystem::absolute(*dropped_, error);
    dropped_.reset();
    if (error) return false;
    // The dialog would not have let the user pick what is not there; what is
    // there but cannot be read is refused by the window, which says why.
    if ((dialog.Flags & form::kCdlFileMustExist) && !std::filesystem::exists(file, error)) return false;
    dialog.FileName = text::fromPath(file.make_preferred());
    dialog.FileTitle = text::fromPath(file.filename());
    return true;
}

}  // namespace pelin::wizard::win32
