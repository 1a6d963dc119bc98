#pragma once
// Where "Pelin.ini" lives, for the desktop program and the command-line converter
// alike, and where the user's own characters are looked for, so that both read the answers the wizard saved. A copy of
// the program run from its own folder keeps its answers next to itself, as users of the program expect; an installed
// copy keeps them in the user's configuration folder instead, even where it could write beside itself.
#include <filesystem>
#include <vector>

#include "platform/folders.h"

namespace pelin::settings {

// Where an installed program's data folder lies, relative to the program's folder;
// the build sets it from the install layout.
std::filesystem::path installedDataFromProgram();

// True when a file can be created in `folder` (tried, not guessed from modes:
// access rules, read-only mounts and the user's own rights all count).
bool canCreateFilesIn(const std::filesystem::path& folder);

// The user's configuration folder for the program: "pelin" in the system's folder
// for configurations (platform::userConfigFolder: %APPDATA%\pelin on Windows,
// $XDG_CONFIG_HOME/pelin or ~/.config/pelin elsewhere).
std::filesystem::path userSettingsFolder();

// True when `folder` is one of `systemFolders` or lies inside one (by its path
// as given; letter case does not count on Windows).
bool isSystemFolder(const std::filesystem::path& folder,
                    const std::vector<std::filesystem::path>& systemFolders = platform::systemProgramFolders());

// The folder of "Pelin.ini" for the program in `programFolder`: that folder when
// a file can be created there and the program is not installed, else
// `userFolder`. An installed program lies in a system folder or has its files in
// `installedData` (chooseDataFolder). Nothing is left behind and no folder is
// created, so a reader that finds no answers there changes nothing.
std::filesystem::path chooseSettingsFolder(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& userFolder = userSettingsFolder(),
                                           const std::filesystem::path& installedData = installedDataFromProgram());

// Creates `folder` and its parents when missing, for a program that will save its
// answers there. False when it could not; the first save then reports why.
bool createSettingsFolder(const std::filesystem::path& folder);

// Where the files the program comes with (its readme and characters) lie for the
// program in `programFolder`. An installed program finds them in the system's
// folder for data that is the same on every machine: `installedData`, relative to
// the program's folder (<prefix>/share/pelin beside <prefix>/lib/pelin), known by
// the readme in it. A program run from the folder it was built into, or copied
// with its files, has them beside itself.
std::filesystem::path chooseDataFolder(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& installedData = installedDataFromProgram());

// The user's data folder for the program, where a user adds character files:
// $XDG_DATA_HOME/pelin, or ~/.local/share/pelin when that is unset or not an
// absolute path.
std::filesystem::path userDataFolder();

// Where characters are also looked for: `userFolder` when `dataFolder`, the
// folder of the program's own characters, is a system folder or files cannot be
// created in it (so the user could add none there), else none (empty).
std::filesystem::path chooseUserCharacterFolder(const std::filesystem::path& dataFolder,
                                                const std::filesystem::path& userFolder = userDataFolder());

}  // namespace pelin::settings
