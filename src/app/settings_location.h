#pragma once
// Where "Pelin.ini" lives. A copy of the program run from its own folder keeps
// its answers next to itself, as users of the program expect; an installed copy
// cannot write there and keeps them in the user's configuration folder instead.
#include <filesystem>

namespace pelin::app {

// True when a file can be created in `folder` (tried, not guessed from modes).
bool canCreateFilesIn(const std::filesystem::path& folder);

// `programFolder` when files can be created there, else `userFolder` (created
// when missing).
std::filesystem::path chooseSettingsFolder(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& userFolder);

// The user's configuration folder for the program (XDG_CONFIG_HOME/pelin).
std::filesystem::path userSettingsFolder();

}  // namespace pelin::app
