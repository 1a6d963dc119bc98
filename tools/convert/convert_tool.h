#pragma once
// pelin-convert: converts text files with the answers saved in a settings file,
// exactly as the wizard does for a user who changes nothing, without a window.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace pelin::convert {

extern const char* const kUsage;

// Runs the command line `args` (without the program name). Writes the size
// report of each converted file to `out` and failures to `err`, in UTF-8.
// Returns the exit status: 0 all converted, 1 some failed, 2 wrong usage.
// `programFolder` holds the default settings file "Pelin.ini".
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const std::filesystem::path& programFolder);

}  // namespace pelin::convert
