#pragma once
// Lines as the program reads them from a text file: a line ends at CR LF or at a
// lone CR; a lone LF stays inside its line; a terminator at the very end of the
// text gives no further empty line.
#include <cstddef>
#include <string_view>

#include "text/text.h"

namespace pelin::text {

// Calls `onLine(line)` for every line of `text`, without its terminator.
template <typename Char, typename F>
void forEachLine(std::basic_string_view<Char> text, F&& onLine) {
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t end = text.find(Char('\r'), start);
        if (end == std::basic_string_view<Char>::npos) {
            onLine(text.substr(start));
            return;
        }
        onLine(text.substr(start, end - start));
        start = end + 1;
        if (start < n && text[start] == Char('\n')) ++start;
    }
}

// Every line of `text` followed by CR LF, as a text file read line by line gives
// it: a final line break is not doubled, and a lone LF stays inside its line.
Text linesWithCrLf(TextView text);

}  // namespace pelin::text
