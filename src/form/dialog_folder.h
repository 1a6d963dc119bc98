#pragma once
// Where a file dialog opens, decided once for the dialogs and for the boxes
// that take a path typed without its folder.
#include <filesystem>
#include <system_error>

#include "platform/folders.h"
#include "text/textfile.h"

namespace pelin::form {

using text::Text;
using text::TextView;

// The folder a file dialog opens in, chosen as the Windows dialogs choose: the
// folder of the proposed file name when it names one, else the initial folder,
// else the folder of the last choice in this run, else the home folder. Only a
// folder that exists here counts (a stored "C:\" does not).
inline Text dialogStartFolder(TextView fileName, TextView initDir, TextView lastUsed) {
    std::error_code error;
    const std::filesystem::path proposed = text::toPath(fileName);
    if (!fileName.empty() && proposed.is_absolute() && std::filesystem::is_directory(proposed.parent_path(), error))
        return text::fromPath(proposed.parent_path());
    for (TextView folder : {initDir, lastUsed})
        if (!folder.empty() && std::filesystem::is_directory(text::toPath(folder), error)) return Text(folder);
    return text::fromPath(platform::homeFolder());
}

}  // namespace pelin::form
