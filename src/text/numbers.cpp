#include "text/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace pelin::text {
namespace {

Text ascii(const std::string& s) { return Text(s.begin(), s.end()); }

}  // namespace

Text formatInteger(std::int64_t value) { return ascii(std::to_string(value)); }

Text formatReal(double value) {
    if (std::isnan(value)) return u"NaN";
    if (std::isinf(value)) return value < 0 ? u"-Infinity" : u"Infinity";
    // 15 significant digits, then written out in plain decimal without exponent.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    std::string s(buffer);
    bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    std::size_t e = s.find('e');
    int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (digits == "0") return u"0";

    std::string out;
    if (exponent < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out = digits + std::string(whole - digits.size(), '0');
        } else {
            out = digits.substr(0, whole) + "." + digits.substr(whole);
        }
    }
    return ascii((negative ? "-" : "") + out);
}

std::optional<double> parseDecimal(TextView text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t')) ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t')) --end;
    std::string s;
    bool digit = false, point = false;
    for (std::size_t i = begin; i < end; ++i) {
        char16_t c = text[i];
        if ((c == u'-' || c == u'+') && i == begin) {
        } else if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
        s += static_cast<char>(c);
    }
    if (!digit) return std::nullopt;
    return std::strtod(s.c_str(), nullptr);
}

}  // namespace pelin::text
