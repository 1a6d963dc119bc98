#pragma once
// Line breaks in the program's text. Files and the window models end lines with
// CR LF; editor widgets and the clipboard use a single LF. A line break is CR LF,
// a lone CR or a lone LF.
#include <cstddef>

#include "text/text.h"

namespace pelin::text {

// The length of the line break that starts at `i` (2 for CR LF, 1 for CR or LF),
// or 0 when none does.
inline std::size_t lineBreakAt(TextView text, std::size_t i) {
    if (text[i] == u'\r') return i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    return text[i] == u'\n' ? 1 : 0;
}

// Every line break replaced by `by`.
Text replaceLineBreaks(TextView text, TextView by);

// Every line break as LF, as an editor widget shows it.
inline Text withLf(TextView text) { return replaceLineBreaks(text, u"\n"); }
// Every line break as CR LF, as files and the models hold it.
inline Text withCrLf(TextView text) { return replaceLineBreaks(text, u"\r\n"); }

}  // namespace pelin::text
