#include "text/editor_text.h"

#include <algorithm>

#include "text/line_ends.h"

namespace pelin::text {

std::int32_t editorPosition(TextView model, std::int32_t modelPosition) {
    if (modelPosition <= 0) return 0;
    const std::size_t end = std::min(static_cast<std::size_t>(modelPosition), model.size());
    std::int32_t shown = 0;
    for (std::size_t i = 0; i < end;) {
        const std::size_t n = lineBreakAt(model, i);
        i += n ? n : 1;
        if (i <= end || n == 0) ++shown;
    }
    return shown;
}

std::int32_t modelPosition(TextView model, std::int32_t editorPosition) {
    std::size_t i = 0;
    for (std::int32_t shown = 0; shown < editorPosition && i < model.size(); ++shown) {
        const std::size_t n = lineBreakAt(model, i);
        i += n ? n : 1;
    }
    return static_cast<std::int32_t>(i);
}

Difference difference(TextView before, TextView after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
    return {head, tail};
}

Text withEditorText(TextView model, TextView edited) {
    const Text shown = withLf(model);
    const auto [head, tail] = difference(shown, edited);
    const auto from = static_cast<std::size_t>(modelPosition(model, static_cast<std::int32_t>(head)));
    const auto to = static_cast<std::size_t>(modelPosition(model, static_cast<std::int32_t>(shown.size() - tail)));
    Text out(model.substr(0, from));
    out += withCrLf(edited.substr(head, edited.size() - head - tail));
    out += model.substr(to);
    return out;
}

}  // namespace pelin::text
