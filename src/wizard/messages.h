#pragma once
// Warnings the main window shows when a file cannot be read or written.
#include "platform/files.h"
#include "text/codepage.h"

namespace pelin::wizard {

inline constexpr text::TextView kProgramTitle = u"ぺりん";

// `first`, then the file and the system's reason, each on a line of its own.
inline text::Text fileErrorMessage(text::TextView first, const platform::FileError& error) {
    text::Text out(first);
    out += u"\r\n";
    out += text::fromUtf8(error.path.string());
    out += u"\r\n";
    out += text::fromUtf8(error.reason);
    return out;
}

}  // namespace pelin::wizard
