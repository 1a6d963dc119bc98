#pragma once
// The program writes file filters as "description|pattern|description|pattern",
// several patterns of one entry split by ";". The system's file dialogs want a
// list of NUL-ended strings, description then pattern, closed by a second NUL.
#include <string>

#include "text/text.h"

namespace pelin::form::win32 {

struct FileFilterList {
    std::wstring list;  // "desc\0pattern\0…\0", or empty for no filter at all
    int count = 0;      // description/pattern pairs in it
};

// One entry per description/pattern pair, in order. A trailing "|" is ignored,
// blanks around a pattern are dropped, an empty pattern matches everything and
// an empty filter gives no entry.
FileFilterList toFilterList(text::TextView filter);

// The filter index a dialog with `count` entries starts at: `index` when it
// names one of them, else the first.
int startFilterIndex(int index, int count);

// The extension a save dialog appends when the typed name has none: "name" and
// "htm" (or ".htm") give "name.htm"; "name.html" stays. An empty extension
// changes nothing.
text::Text withDefaultExtension(text::TextView path, text::TextView extension);

}  // namespace pelin::form::win32
