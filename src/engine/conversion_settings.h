#pragma once
// Every answer of the wizard that the page writer reads, in one record.
#include <cstdint>

#include "text/text.h"

namespace pelin::engine {

using text::Text;

struct ConversionSettings {
    Text HTMLCFile;             // full path of the source text file
    Text CSSFile;               // name returned by the style-sheet dialog (not used by the writer)
    std::int32_t FileSize = 0;  // source size in bytes, taken when the file is chosen
    std::int16_t Lang = 0;      // LangCombo position; 1..8 name a language
    Text WebTitle;
    Text HTMLKeyword01;
    Text WebMidashi;           // empty: no Description line
    std::int16_t NoRobot = 0;  // check value of Check1
    Text DLColor;              // hover colour RRGGBB
    std::int16_t OpenPageEf = 0;
    std::int16_t ClosePageEf = 0;
    Text Bodyfont;
    Text Bodylink;
    Text Bodyalink;
    Text Bodyvlink;
    Text BgColor;
    Text Bodyground;  // background image reference as typed
    std::int16_t TOPMpix = 0;
    std::int16_t LEFTMpix = 0;
    std::int16_t BASEFont = 0;
    std::int16_t BQuote = 0;
    Text BR;            // "True" or "False"
    Text P;             // "True" or "False"
    Text Comment;       // afterword, may hold several lines
    Text HTMLFilePass;  // full path of the page to write
    // The page's head, up to where the body text starts, as written (after the
    // special-character pass). The body goes from the source to the file in
    // blocks and is never held, so the size report counts it as it is written.
    Text HTMLLine;

    // Mirrored from the wizard's controls when a run starts.
    Text Charset;                    // text of CharsetCombo
    Text CSSLink;                    // text of txt_CSS; empty: no LINK line
    std::int16_t HoverOn = 0;        // DCheck1
    std::int16_t PageEfOn = 0;       // DCheck2
    std::int16_t FixedBg = 0;        // FIXEDCheck: 0 plain BODY, 1 fixed background, other: no BODY tag
    std::int16_t SpecialFont = 0;    // Option71
    std::int16_t CommentOn = 0;      // Comment81
    std::int16_t URLLink = 0;        // URL61: 1 makes web addresses in the body links
    std::int16_t MailLink = 0;       // Mail61: 1 makes mail addresses in the body links
    std::int16_t AngleBrackets = 0;  // Option72: 1 shows "<" and ">" of the body as characters
};

}  // namespace pelin::engine
