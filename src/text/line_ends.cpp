#include "text/line_ends.h"

namespace pelin::text {

Text replaceLineBreaks(TextView text, TextView by) {
    Text out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t n = lineBreakAt(text, i)) {
            out += by;
            i += n;
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace pelin::text
