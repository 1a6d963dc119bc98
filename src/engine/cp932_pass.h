#pragma once
// The body's characters from a code page 932 source, worked on as bytes.
//
// The source is already in the page's code page, so nearly every character is
// copied as it stands, without being decoded and encoded again. Tables made once
// from the program's own conversions say which characters are not: "&", "×",
// "÷" and "±" under the special-character pass, "<" and ">" when they are to show
// as characters, the line ends, and the characters with two codes,
// which the page writes in the code Windows prefers. Bytes that are no character
// are copied as they are, as the program's text keeps them.
#include <string_view>

#include "engine/body_text.h"
#include "engine/page_output.h"

namespace pelin::engine {

// The body's line ends as they are written: a line ends at CR LF or at a lone CR,
// and a lone LF stays in its line; or, in a source without CR, at LF.
struct LineEnds {
    std::string_view text;  // what ends a line on the page: its tag and CR LF
    char end = '\r';        // the byte a line of the source ends at: CR, or LF
    bool open = false;      // bytes of a line have come since the last line end
    bool afterCr = false;   // the last bytes taken end in CR: an LF next belongs to it
};

class Cp932Pass {
public:
    // Lines end at `lineEnd`, which must be the `end` of the LineEnds given to convert.
    Cp932Pass(CharacterPass pass, char lineEnd);

    // Writes the lines of `bytes`, ending each as `lines` says; gives how many
    // bytes it took. A lead byte at the end is left for the next call, unless
    // `whole` says that no byte of its character follows.
    std::size_t convert(std::string_view bytes, bool whole, PageOutput& out, LineEnds& lines) const;

    // The length of the character that starts `bytes`: 2 for a two-byte character,
    // 1 for any other byte (one that is no character stands alone).
    std::size_t characterLength(std::string_view bytes) const;

    struct Tables;

private:
    const Tables& tables_;
};

}  // namespace pelin::engine
