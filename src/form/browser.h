#pragma once
// Looking at a page in the user's browser, as the wizard's last step and the
// notepad both offer it.
#include "form/messages.h"
#include "form/services.h"
#include "text/file_url.h"

namespace pelin::form {

// Opens the page at `path` in the browser; when none can be started the user is
// told so, with the page and the reason.
inline void openPageInBrowser(Shell& shell, MessageBoxService& messageBox, TextView path) {
    shell.openInBrowser(text::fileUrl(text::toPath(path)), [&messageBox, page = Text(path)](Text reason) {
        messageBox.show(u"ブラウザを開けませんでした。\r\n" + page + u"\r\n" + reason, kMbWarning, kProgramTitle);
    });
}

}  // namespace pelin::form
