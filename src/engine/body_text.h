#pragma once
// The page's body: the source file's lines, each with its line-break tag, and the
// special-character pass that turns & × ÷ ± into entity references.
#include <string_view>

#include "text/codepage.h"

namespace pelin::engine {

using text::Text;
using text::TextView;

enum class LineBreakMode { BR, P, PRE };

// BR when `br` is "True"; otherwise P when `p` is "True"; otherwise PRE.
LineBreakMode lineBreakMode(TextView br, TextView p);

// Appends `text` to `out`; with `specialChars` every "&", "×", "÷" and "±" is
// written as "&amp;", "&times;", "&divide;" and "&plusmn;". Each character is
// replaced on its own, so a reference just written is never replaced again.
void appendPassed(TextView text, bool specialChars, Text& out);

// Appends the body text made from the bytes of a source file (code page 932, or
// UTF-8 when it says so, see text::takeSourceEncoding): every line with its tag and
// CR LF; PRE mode wraps the lines in "<PRE>" and "</PRE>".
void appendBodyText(std::string_view sourceBytes, LineBreakMode mode, bool specialChars, Text& out);

}  // namespace pelin::engine
