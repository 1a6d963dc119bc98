#include <gtest/gtest.h>

#include "text/line_ends.h"
#include "text/lines.h"
#include "text/numbers.h"

namespace pelin::text {
namespace {

std::vector<std::string> lines(std::string_view s) {
    std::vector<std::string> out;
    forEachLine(s, [&](std::string_view l) { out.emplace_back(l); });
    return out;
}

TEST(Lines, EndAtCrLfOrLoneCrButNotLoneLf) {
    using V = std::vector<std::string>;
    EXPECT_EQ(lines(""), V{});
    EXPECT_EQ(lines("\r\n"), V{""});
    EXPECT_EQ(lines("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(lines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(lines("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(lines("a\nb\n"), V{"a\nb\n"});
    EXPECT_EQ(lines("\r\n\r\n"), (V{"", ""}));
    EXPECT_EQ(lines("a\r\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(lines(" trailing  \t\r\n"), V{" trailing  \t"});
}

TEST(LineEnds, EveryKindOfBreakBecomesOne) {
    EXPECT_EQ(withLf(u"ab\r\ncd\nef\r\n"), u"ab\ncd\nef\n");
    EXPECT_EQ(withCrLf(u"ab\ncd\n"), u"ab\r\ncd\r\n");
    EXPECT_EQ(withCrLf(u"a\nb\rc\r\nd"), u"a\r\nb\r\nc\r\nd");
}

TEST(Numbers, IntegersArePlainDecimal) {
    EXPECT_EQ(formatInteger(0), u"0");
    EXPECT_EQ(formatInteger(-175), u"-175");
    EXPECT_EQ(formatInteger(32767), u"32767");
}

TEST(Numbers, RealsAreShortestWithFifteenDigits) {
    EXPECT_EQ(formatReal(0.5), u"0.5");
    EXPECT_EQ(formatReal(1234 / 1000.0), u"1.234");
    EXPECT_EQ(formatReal(2000 / 1000.0), u"2");
    EXPECT_EQ(formatReal(63998 / 1000.0), u"63.998");
    EXPECT_EQ(formatReal(1 * 0.035), u"0.035");
    EXPECT_EQ(formatReal(-5 * 0.035), u"-0.175");
    EXPECT_EQ(formatReal(15 * 0.035), u"0.525");
    EXPECT_EQ(formatReal(12 * 0.035), u"0.42");
    EXPECT_EQ(formatReal(1 / 1000.0), u"0.001");
    EXPECT_EQ(formatReal(0.0), u"0");
    EXPECT_EQ(formatReal(-0.0), u"0");
    EXPECT_EQ(formatReal(12345 / 1000.0), u"12.345");
    EXPECT_EQ(formatReal(2147483647 / 1000.0), u"2147483.647");
    EXPECT_EQ(formatReal(1e20), u"100000000000000000000");
    EXPECT_EQ(formatReal(1.0 / 3.0), u"0.333333333333333");
}

TEST(Numbers, ParseDecimalTakesOnlyNumbers) {
    EXPECT_EQ(parseDecimal(u"12"), 12.0);
    EXPECT_EQ(parseDecimal(u" -5 "), -5.0);
    EXPECT_EQ(parseDecimal(u"2.5"), 2.5);
    EXPECT_EQ(parseDecimal(u"+.5"), 0.5);
    EXPECT_FALSE(parseDecimal(u""));
    EXPECT_FALSE(parseDecimal(u"abc"));
    EXPECT_FALSE(parseDecimal(u"1-2"));
    EXPECT_FALSE(parseDecimal(u"-"));
    EXPECT_FALSE(parseDecimal(u"1.2.3"));
}

}  // namespace
}  // namespace pelin::text
