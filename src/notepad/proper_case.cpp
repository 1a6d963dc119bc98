#include "notepad/proper_case.h"

#include <array>

namespace pelin::notepad {

namespace {

// A block of capitals whose small letters lie `offset` units further on.
struct CaseRange {
    char16_t firstUpper;
    char16_t lastUpper;
    char16_t offset;
};

constexpr std::array<CaseRange, 7> kRanges{{
    {u'A', u'Z', 0x20},
    {0x0391, 0x03A1, 0x20},  // Greek Α … Ρ
    {0x03A3, 0x03AB, 0x20},  // Greek Σ … Ϋ (U+03A2 is unassigned)
    {0x0410, 0x042F, 0x20},  // Cyrillic А … Я
    {0x0400, 0x040F, 0x50},  // Cyrillic Ѐ … Џ (Ё among them)
    {0x2160, 0x216F, 0x10},  // Roman numerals Ⅰ … Ⅿ
    {0xFF21, 0xFF3A, 0x20},  // full-width Ａ … Ｚ
}};

constexpr char16_t kGreekFinalSigma = 0x03C2;
constexpr char16_t kGreekCapitalSigma = 0x03A3;

}  // namespace

char16_t toLowerCase(char16_t c) {
    for (const CaseRange& r : kRanges)
        if (c >= r.firstUpper && c <= r.lastUpper) return static_cast<char16_t>(c + r.offset);
    return c;
}

char16_t toUpperCase(char16_t c) {
    if (c == kGreekFinalSigma) return kGreekCapitalSigma;
    for (const CaseRange& r : kRanges)
        if (c >= r.firstUpper + r.offset && c <= r.lastUpper + r.offset) return static_cast<char16_t>(c - r.offset);
    return c;
}

bool isWordSeparator(char16_t c) {
    switch (c) {
    case 0:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 32:
    case 0x3000: return true;
    default: return false;
    }
}

Text properCase(TextView text) {
    Text out(text);
    bool wordStart = true;
    for (char16_t& c : out) {
        c = wordStart ? toUpperCase(c) : toLowerCase(c);
        wordStart = isWordSeparator(c);
    }
    return out;
}

}  // namespace pelin::notepad
