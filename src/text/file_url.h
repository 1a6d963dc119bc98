#pragma once
// The "file:" address of a file, as a browser or the desktop's opener takes it.
#include <filesystem>

#include "text/text.h"

namespace pelin::text {

// "file:///" and the file's absolute path with "/" between its parts (a Windows
// path keeps its drive letter: "file:///C:/…"), every byte of its UTF-8 form
// other than letters, digits, "-._~" and "/" written as "%XX". A relative path
// is taken from the current folder.
Text fileUrl(const std::filesystem::path& path);

}  // namespace pelin::text
