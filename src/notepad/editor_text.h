#pragma once
// The notepad's text ends its lines with CR LF; an editor widget shows each line
// break as a single "\n". These translate the text and positions in it (both in
// UTF-16 units) between the two.
#include <cstdint>

#include "text/codepage.h"

namespace pelin::notepad {

using text::Text;
using text::TextView;

// CR LF, a lone CR and a lone LF each become "\n".
Text toEditorText(TextView model);
// Every "\n" becomes CR LF.
Text fromEditorText(TextView shown);
// Line breaks of any kind (CR LF, CR, LF) become CR LF; text from the clipboard
// comes with the platform's own line ends.
Text withCrLf(TextView text);

// The position in the editor's text of `modelPosition` in `model`; a position
// between CR and LF counts as the start of that line break.
std::int32_t editorPosition(TextView model, std::int32_t modelPosition);
// The position in `model` of `editorPosition` in toEditorText(model).
std::int32_t modelPosition(TextView model, std::int32_t editorPosition);

}  // namespace pelin::notepad
