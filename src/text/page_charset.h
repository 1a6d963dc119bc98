#pragma once
// The character sets a page can be written in, chosen by the label its
// Content-Type line carries, so that a browser reads back the characters that
// were written.
//
// EUC-JP and ISO-2022-JP carry JIS X 0208, which the program takes from its own
// code page 932 table (rows 1 to 94 of code page 932 are JIS X 0208 as Windows
// extends it, NEC's row 13 and the IBM characters of rows 89 to 92 included).
// A character with two places there is written in the first, the one browsers
// write themselves. Every system therefore writes the same bytes, whatever its
// own converters hold.
#include <string>
#include <string_view>

#include "text/text.h"

namespace pelin::text {

enum class PageCharset { Cp932, EucJp, Iso2022Jp, Utf8 };

// The set a browser reads a page labelled `label` in, by the labels browsers know
// for these sets; code page 932 for any other label.
PageCharset pageCharsetOf(TextView label);

// The set's name as the program shows it to the user.
std::u16string_view charsetName(PageCharset charset);

// What becomes of a raw byte (see codepage.h): a page shows what a browser shows
// for a byte that is no character; a file the user edits keeps the byte.
enum class RawBytes { Replaced, Kept };

// Writes text in a set, a piece at a time: ISO-2022-JP carries its state from
// one piece to the next. A character the set cannot carry becomes "&#N;".
class CharsetEncoder {
public:
    CharsetEncoder(PageCharset charset, RawBytes raw);

    void append(TextView text, std::string& out);
    // Code page 932 bytes, as the program writes them, in the set: each piece
    // holds whole characters.
    void appendCp932(std::string_view bytes, std::string& out);
    // Ends the text: ISO-2022-JP goes back to ASCII.
    void finish(std::string& out);

    PageCharset charset() const { return charset_; }

private:
    void appendCharacter(char32_t c, std::string& out);
    void switchTo(bool jis, std::string& out);

    PageCharset charset_;
    RawBytes raw_;
    bool jis_ = false;  // ISO-2022-JP: in JIS X 0208
    Text decoded_;      // reused by appendCp932
};

// The whole of `text` in the set; raw bytes kept.
std::string encodeIn(PageCharset charset, TextView text);
// Bytes of the set as text; a byte that starts no character is kept as a raw byte.
Text decodeFrom(PageCharset charset, std::string_view bytes);
// The first character of `text` that the set cannot carry, or 0 when none.
char32_t firstUnencodableIn(PageCharset charset, TextView text);

}  // namespace pelin::text
