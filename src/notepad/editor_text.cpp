#include "notepad/editor_text.h"

#include <algorithm>

#include "text/line_ends.h"

namespace pelin::notepad {

std::int32_t editorPosition(TextView model, std::int32_t modelPosition) {
    if (modelPosition <= 0) return 0;
    const std::size_t end = std::min(static_cast<std::size_t>(modelPosition), model.size());
    std::int32_t shown = 0;
    for (std::size_t i = 0; i < end;) {
        const std::size_t n = text::lineBreakAt(model, i);
        i += n ? n : 1;
        if (i <= end || n == 0) ++shown;
    }
    return shown;
}

std::int32_t modelPosition(TextView model, std::int32_t editorPosition) {
    std::size_t i = 0;
    for (std::int32_t shown = 0; shown < editorPosition && i < model.size(); ++shown) {
        const std::size_t n = text::lineBreakAt(model, i);
        i += n ? n : 1;
    }
    return static_cast<std::int32_t>(i);
}

}  // namespace pelin::notepad
