#include "text/lines.h"

namespace pelin::text {

Text linesWithCrLf(TextView text) {
    Text out;
    out.reserve(text.size() + 2);
    forEachLine(text, [&](TextView line) {
        out += line;
        out += u"\r\n";
    });
    return out;
}

}  // namespace pelin::text
