#pragma once
// Where "Pelin.ini" and the user's characters live. A copy of the program run
// from its own folder keeps its answers and characters next to itself, as users
// of the program expect; an installed copy cannot write there and keeps its
// answers in the user's configuration folder and looks for further characters
// in the user's data folder instead.
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

// `userFolder` when files cannot be created in `programFolder` (where the user
// could then add no character), else none.
std::filesystem::path chooseUserCharacterFolder(const std::filesystem::path& programFolder,
                                                const std::filesystem::path& userFolder);

// The user's data folder for the program (XDG_DATA_HOME/pelin).
std::filesystem::path userDataFolder();

}  // namespace pelin::app
