#pragma once
// pelin-convert: converts text files with the answers the wizard saved, exactly
// as the wizard does for a user who changes nothing, without a window.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace pelin::convert {

// How the program is called and its options.
extern const char* const kUsage;

// The whole help: the usage, the settings file the wizard's answers are read
// from when no other is given, and the answers --set can replace.
std::string helpText(const std::filesystem::path& wizardSettingsFile);

// Runs the command line `args` (without the program name, in UTF-8). Writes
// the size report of each converted file to `out` and notes and failures to
// `err`, in UTF-8. Returns the exit status: 0 all converted, 1 some not converted, 2 wrong
// usage or a settings file that cannot be read (nothing converted).
// `programFolder` is where the program is, as the wizard's is: the settings file
// is looked for as the wizard looks for it from there.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const std::filesystem::path& programFolder);

}  // namespace pelin::convert
