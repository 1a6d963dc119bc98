#pragma once
// What the program shows of a file in place of the system's property sheet:
// name, folder, size, last change and whether it is read-only, as texts.
#include <ctime>
#include <vector>

#include "text/text.h"

namespace pelin::shell {

using text::Text;
using text::TextView;

struct FileFact {
    Text label;
    Text value;
};

struct FileFacts {
    Text title;                   // the window caption
    Text problem;                 // why there is nothing to show; empty when the file was found
    std::vector<FileFact> facts;  // in the order shown
};

// Gathers the facts of the file or folder at `path`, exactly as given.
FileFacts gatherFileFacts(TextView path);

// "12,345 バイト".
Text formatByteCount(std::uintmax_t bytes);
// "2024/05/01 09:03:07" in local time.
Text formatLocalTime(std::time_t when);

}  // namespace pelin::shell
