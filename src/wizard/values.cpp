#include "wizard/values.h"

#include <cmath>
#include <limits>

#include "text/numbers.h"

namespace pelin::wizard {

std::optional<std::int64_t> wholeNumber(text::TextView text) {
    const std::optional<double> value = text::parseDecimal(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    const double rounded = std::nearbyint(*value);  // the default mode rounds halves to even
    if (std::fabs(rounded) > 9.0e18) return std::nullopt;
    return static_cast<std::int64_t>(rounded);
}

std::optional<std::int16_t> int16Number(text::TextView text) {
    const std::optional<std::int64_t> n = wholeNumber(text);
    if (!n || *n < std::numeric_limits<std::int16_t>::min() || *n > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*n);
}

std::optional<std::int32_t> int32Number(text::TextView text) {
    const std::optional<std::int64_t> n = wholeNumber(text);
    if (!n || *n < std::numeric_limits<std::int32_t>::min() || *n > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*n);
}

std::optional<bool> truthValue(text::TextView text) {
    text::Text lower;
    for (char16_t c : text) lower.push_back(c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c);
    if (lower == u"true") return true;
    if (lower == u"false") return false;
    const std::optional<double> value = text::parseDecimal(text);
    if (!value) return std::nullopt;
    return *value != 0;
}

text::Text truthText(bool value) { return value ? u"True" : u"False"; }

}  // namespace pelin::wizard
