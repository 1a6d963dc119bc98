#pragma once
// Which encoding a source text file is read in: code page 932 or UTF-8.
//
// The rule. A file that starts with the UTF-8 byte-order mark is UTF-8. Any other
// file is UTF-8 when its non-ASCII bytes are nearly all whole UTF-8 sequences:
//  - it holds at least one sequence of three or four bytes;
//  - its stray bytes (non-ASCII bytes that start no whole sequence) are at most
//    one for every eight bytes inside sequences, over the whole file;
//  - and at no point while it is read do the stray bytes so far pass 64 plus one
//    for every eight sequence bytes so far.
// Everything else is code page 932.
//
// Why: UTF-8 text with a few damaged bytes (a character cut off at the end, a
// stray byte of another code page) is still UTF-8 and keeps those bytes as they
// are. Code page 932 Japanese text forms UTF-8 sequences only here and there, by
// chance, and makes stray bytes from its first line on; the last condition
// settles such a file there, without reading the rest of it. Two-byte sequences
// alone prove nothing: half-width katakana in code page 932 (ﾊｲ ﾒｰ) pair up into
// them, while every Japanese character in UTF-8 takes three bytes or more.
#include <cstdint>
#include <string_view>

namespace pelin::text {

enum class SourceEncoding { Cp932, Utf8 };

class EncodingGuess {
public:
    // Takes the file's next bytes, after any byte-order mark; gives how many it
    // took. A sequence cut off by the end of `bytes` is left for the next call,
    // which must bring it again at its front; with `atEnd` every byte is taken.
    std::size_t take(std::string_view bytes, bool atEnd);
    // True once the file is code page 932 whatever the rest of it holds.
    bool settled() const { return settled_; }
    SourceEncoding encoding() const;

private:
    std::uint64_t sequenceBytes_ = 0;
    std::uint64_t strayBytes_ = 0;
    bool longSequence_ = false;  // one of three or four bytes seen
    bool settled_ = false;
};

// The encoding of a whole file's bytes; a byte-order mark is taken off `bytes`.
SourceEncoding takeSourceEncoding(std::string_view& bytes);

}  // namespace pelin::text
