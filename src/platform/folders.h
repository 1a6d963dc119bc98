#pragma once
// Folders as the system names them: how a path separates folder names, where the
// user's files live, and making one.
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace pelin::platform {

// The separator the system writes between folder names ("\" on Windows, "/"
// elsewhere), and every character it takes for one (Windows takes "/" too).
inline constexpr char16_t kFolderSeparator = static_cast<char16_t>(std::filesystem::path::preferred_separator);
inline constexpr std::u16string_view kFolderSeparators = kFolderSeparator == u'\\' ? u"\\/" : u"/";
inline bool isFolderSeparator(char16_t c) { return kFolderSeparators.find(c) != std::u16string_view::npos; }

// The user's home folder; the root of the system's file system when it names none.
std::filesystem::path homeFolder();

// The folder where the user's programs keep their configuration, each in a folder
// of its own: %APPDATA% on Windows; $XDG_CONFIG_HOME elsewhere, or ~/.config when
// that is unset or not an absolute path.
std::filesystem::path userConfigFolder();

// The folder where the user's programs keep files of their own that the user may
// add to: %APPDATA% on Windows; $XDG_DATA_HOME elsewhere, or ~/.local/share when
// that is unset or not an absolute path.
std::filesystem::path userDataFolder();

// The folders the system installs programs into, whose files belong to its
// package tools or installer: /usr, /opt and their like; on Windows the
// Program Files folders and the Windows folder.
std::vector<std::filesystem::path> systemProgramFolders();

// Makes the folder `path`, whose parent must be there; a folder (or a link to
// one) already there is taken as it is.
Result<> makeFolder(const std::filesystem::path& path);

}  // namespace pelin::platform
