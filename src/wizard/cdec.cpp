#include "wizard/cdec.h"

#include <cmath>
#include <limits>

namespace pelin::wizard::cdec {

namespace {

bool checkedAdd(std::int32_t a, std::int32_t b, std::int32_t& out) { return !__builtin_add_overflow(a, b, &out); }

bool checkedMultiply(std::int32_t a, std::int32_t b, std::int32_t& out) { return !__builtin_mul_overflow(a, b, &out); }

Text decimalText(std::int64_t value) {
    const bool negative = value < 0;
    auto magnitude = static_cast<std::uint64_t>(negative ? -value : value);
    Text digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) digits.insert(digits.begin(), u'-');
    return digits;
}

// A decimal whole number with optional blanks around it and an optional sign.
std::optional<std::int32_t> parseWholeNumber(TextView text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The character's code in the single-byte range of code page 932, or nothing for
// characters outside it (double-byte characters).
std::optional<std::int32_t> singleByteCode(char16_t c) {
    if (c < 0x80) return c;
    if (c >= 0xFF61 && c <= 0xFF9F) return 0xA1 + (c - 0xFF61);  // half-width katakana
    if (text::isRawByte(c)) return c - text::kRawByteBase;
    return std::nullopt;
}

}  // namespace

std::optional<Text> DigitToChar(std::int32_t digit) {
    if (digit <= 9) return decimalText(digit);
    const std::int64_t code = std::int64_t{55} + digit;
    if (code > 0xFFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    return Text(1, static_cast<char16_t>(code));
}

std::optional<std::int32_t> CharToDigit(TextView text) {
    if (text.empty()) return std::nullopt;
    char16_t first = text.front();
    if (first >= u'a' && first <= u'z') first = static_cast<char16_t>(first - u'a' + u'A');
    const std::optional<std::int32_t> code = singleByteCode(first);
    if (!code || *code <= 64) return parseWholeNumber(text);
    return *code - 55;
}

std::optional<std::int32_t> BaseToNumber(std::int32_t base, TextView text) {
    std::int32_t sum = 0;
    std::int32_t weight = 1;
    for (std::size_t i = text.size(); i-- > 0;) {
        const std::optional<std::int32_t> digit = CharToDigit(text.substr(i, 1));
        std::int32_t term = 0;
        if (!digit || !checkedMultiply(weight, *digit, term) || !checkedAdd(sum, term, sum) ||
            !checkedMultiply(weight, base, weight)) {
            return std::nullopt;
        }
    }
    return sum;
}

std::optional<Text> NumberToBase(std::int32_t base, std::int32_t number) {
    if (number == 0) return Text(u"0");
    // With these bases the place value never grows: the loop would not end.
    if (base >= -1 && base <= 1) return std::nullopt;
    Text result;
    std::int32_t place = 1;
    while (place <= number) {
        std::int32_t next = 0;
        if (!checkedMultiply(base, place, next)) return std::nullopt;
        const std::optional<Text> digit = DigitToChar((number % next) / place);
        if (!digit) return std::nullopt;
        result.insert(0, *digit);
        place = next;
    }
    return result;
}

std::optional<Text> ConvertBase(std::int32_t fromBase, std::int32_t toBase, TextView text) {
    const std::optional<std::int32_t> number = BaseToNumber(fromBase, text);
    if (!number) return std::nullopt;
    return NumberToBase(toBase, *number);
}

Text PadLeftZeros(std::int32_t width, TextView text) {
    Text padded(text);
    if (width > 0 && padded.size() < static_cast<std::size_t>(width)) {
        padded.insert(0, static_cast<std::size_t>(width) - padded.size(), u'0');
    }
    return padded;
}

std::optional<std::int32_t> CodeToColourNumber(TextView code) {
    double colour = 0;
    double weight = 1;
    for (std::size_t start = 0; start < 6; start += 2, weight *= 256) {
        const TextView pair = start < code.size() ? code.substr(start, 2) : TextView();
        const std::optional<Text> decimal = ConvertBase(16, 10, pair);
        if (!decimal) return std::nullopt;
        const std::optional<std::int32_t> component = parseWholeNumber(*decimal);
        if (!component) return std::nullopt;
        colour += weight * *component;
    }
    if (colour > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(colour);
}

Text ColourNumberToCode(std::int32_t number) {
    // Upper-case hexadecimal of the 32-bit pattern, as the system's own formatting
    // prints a negative component.
    auto hex = [](std::int32_t value) {
        auto bits = static_cast<std::uint32_t>(value);
        Text digits;
        do {
            digits.insert(digits.begin(), u"0123456789ABCDEF"[bits % 16]);
            bits /= 16;
        } while (bits != 0);
        return digits;
    };
    const std::int32_t blue = number / 65536;
    const std::int32_t green = (number % 65536) / 256;
    const std::int32_t red = (number % 65536) % 256;
    return PadLeftZeros(2, hex(red)) + PadLeftZeros(2, hex(green)) + PadLeftZeros(2, hex(blue));
}

}  // namespace pelin::wizard::cdec
