#pragma once
// The page's body: the source file's lines, each with its line-break tag, and the
// special-character pass that turns & × ÷ ± into entity references.
//
// The body goes from the source file to the page a block at a time and is never
// held whole, whatever the size of the file or of its lines.
#include "engine/conversion_progress.h"
#include "engine/page_output.h"
#include "platform/file_blocks.h"
#include "text/text.h"

namespace pelin::engine {

using text::Text;
using text::TextView;

enum class LineBreakMode { BR, P, PRE };

// BR when `br` is "True"; otherwise P when `p` is "True"; otherwise PRE.
LineBreakMode lineBreakMode(TextView br, TextView p);

// What characters of the text are written as references.
struct CharacterPass {
    CharacterPass(bool specialChars = false, bool angleBrackets = false)
        : specialChars(specialChars), angleBrackets(angleBrackets) {}
    bool specialChars;   // "&", "×", "÷", "±": "&amp;", "&times;", "&divide;", "&plusmn;"
    bool angleBrackets;  // "<", ">": "&lt;", "&gt;", so that they show as typed
    bool any() const { return specialChars || angleBrackets; }
};

// Appends `text` to `out`, the characters `pass` names as references. Each
// character is replaced on its own, so a reference just written is never
// replaced again.
void appendPassed(TextView text, CharacterPass pass, Text& out);

// Writes the body text made from `source` to `out`: every line with its tag and
// CR LF, the addresses chosen by `links` as links; PRE mode wraps the lines in
// "<PRE>" and "</PRE>". The source is code page 932, or UTF-8 as
// text/source_encoding.h decides, which may take a first reading of the file. Its
// lines end at CR LF or CR, a lone LF staying in its line; in a source that holds
// no CR at all (as editors that end lines with LF write it) they end at LF. It is
// read `blockSize` bytes at a time (at least 8).
platform::Result<Completion> writeBody(platform::BlockSource& source, LineBreakMode mode, CharacterPass pass,
                                       Links links, PageOutput& out, const ConversionProgress& progress = {},
                                       std::size_t blockSize = kBlockSize);

}  // namespace pelin::engine
