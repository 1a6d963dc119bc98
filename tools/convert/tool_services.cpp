#include "tool_services.h"

#include "text/textfile.h"

namespace pelin::convert {

bool ToolDialogs::showOpen(form::CommonDialog& dialog) {
    dialog.FileName = source;
    dialog.FileTitle = text::fromPath(text::toPath(source).filename());
    return true;
}

bool ToolDialogs::showSave(form::CommonDialog& dialog) {
    dialog.FileName = destination;
    dialog.FileTitle = text::fromPath(text::toPath(destination).filename());
    return true;
}

int ToolMessages::show(text::TextView, int flags, text::TextView) {
    return (flags & form::kMbYesNo) ? form::kAnswerYes : form::kAnswerOk;
}

}  // namespace pelin::convert
