#pragma once
// What every window's messages share: the program's title on warnings and
// questions, and the wording of a file that could not be read or written.
#include "platform/result.h"
#include "text/text.h"
#include "text/textfile.h"

namespace pelin::form {

inline constexpr text::TextView kProgramTitle = u"ぺりん";

// `first`, then the file and the reason, each on a line of its own (an error
// that names no file has no file line, rather than an empty one).
inline text::Text fileErrorMessage(text::TextView first, const platform::FileError& error) {
    text::Text out(first);
    out += u"\r\n";
    if (!error.path.empty()) {
        out += text::fromPath(error.path);
        out += u"\r\n";
    }
    out += text::fromUtf8(platform::shownReason(error));
    return out;
}

// The one question asked before a file is replaced, whether its name was typed
// or chosen in a save dialog (a question with Yes and No).
inline text::Text overwriteQuestion(text::TextView path) {
    return text::Text(path) + u" は既に存在します。\r\n上書きしますか?";
}

}  // namespace pelin::form
