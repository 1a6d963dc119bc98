#pragma once
// The notepad's text ends its lines with CR LF; an editor widget shows each line
// break as a single "\n" (text::withLf, text::withCrLf). These translate positions
// in the text (both in UTF-16 units) between the two.
#include <cstdint>

#include "text/codepage.h"

namespace pelin::notepad {

using text::Text;
using text::TextView;

// The position in the editor's text of `modelPosition` in `model`; a position
// between CR and LF counts as the start of that line break.
std::int32_t editorPosition(TextView model, std::int32_t modelPosition);
// The position in `model` of `editorPosition` in text::withLf(model).
std::int32_t modelPosition(TextView model, std::int32_t editorPosition);

}  // namespace pelin::notepad
