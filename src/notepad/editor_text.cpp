#include "notepad/editor_text.h"

#include <algorithm>

namespace pelin::notepad {

namespace {

// The length of the line break at `i`, or 0 when there is none.
std::size_t breakAt(TextView text, std::size_t i) {
    if (text[i] == u'\r') return i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    return text[i] == u'\n' ? 1 : 0;
}

Text replaceBreaks(TextView text, TextView by) {
    Text out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size();) {
        if (std::size_t n = breakAt(text, i)) {
            out += by;
            i += n;
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

Text toEditorText(TextView model) { return replaceBreaks(model, u"\n"); }

Text fromEditorText(TextView shown) { return replaceBreaks(shown, u"\r\n"); }

Text withCrLf(TextView text) { return replaceBreaks(text, u"\r\n"); }

std::int32_t editorPosition(TextView model, std::int32_t modelPosition) {
    if (modelPosition <= 0) return 0;
    const std::size_t end = std::min(static_cast<std::size_t>(modelPosition), model.size());
    std::int32_t shown = 0;
    for (std::size_t i = 0; i < end;) {
        const std::size_t n = breakAt(model, i);
        i += n ? n : 1;
        if (i <= end || n == 0) ++shown;
    }
    return shown;
}

std::int32_t modelPosition(TextView model, std::int32_t editorPosition) {
    std::size_t i = 0;
    for (std::int32_t shown = 0; shown < editorPosition && i < model.size(); ++shown) {
        const std::size_t n = breakAt(model, i);
        i += n ? n : 1;
    }
    return static_cast<std::int32_t>(i);
}

}  // namespace pelin::notepad
