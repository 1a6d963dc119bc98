#pragma once
// A document held with CR LF line ends, as the program's files have them, while
// an editor widget shows each line break as a single "\n" (withLf, withCrLf).
// These translate positions in the text (both in UTF-16 units) and edits
// between the two.
#include <cstddef>
#include <cstdint>

#include "text/text.h"

namespace pelin::text {

// The position in the editor's text of `modelPosition` in `model`; a position
// between CR and LF counts as the start of that line break.
std::int32_t editorPosition(TextView model, std::int32_t modelPosition);
// The position in `model` of `editorPosition` in withLf(model).
std::int32_t modelPosition(TextView model, std::int32_t editorPosition);

// Where `after` differs from `before`: they share their first `head` and their
// last `tail` units, and the two never overlap.
struct Difference {
    std::size_t head;
    std::size_t tail;
};
Difference difference(TextView before, TextView after);

// `model` with the editor's text `edited` taken in, where the editor last
// showed withLf(model). Only the stretch that differs is replaced, its
// line breaks as CR LF; every other line keeps its own line end, so that a file
// with lone LFs is written back as it was but for what the user changed.
Text withEditorText(TextView model, TextView edited);

}  // namespace pelin::text
