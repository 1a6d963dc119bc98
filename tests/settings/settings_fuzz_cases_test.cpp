// Inputs that once broke the settings fuzz target, run through it again.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "support/settings_check.h"

namespace {

void run(std::string_view input) { pelin::testing::checkSettingsInput(input); }

TEST(SettingsFuzzCases, KnownInputsStayHarmless) {
    using namespace std::string_view_literals;
    // Hand-written seeds: a lone CR at the end, a lead byte before "]" and "=",
    // the byte-order mark alone, a value with line breaks.
    run("\x00\x00\x00[Setei]\r\nLangS=1\r"sv);
    run("\x03\x07\x00[\x83]\r\n\x83=1\n"sv);
    run("\x00\x02\x05a\r\nb\r\xEF\xBB\xBF"sv);
    run("\x02\x03\x04\x83\x41\r\n[Data]\r\nChar=x"sv);
    // A byte that is no character, then NULs: its escape "\0" paired with it into
    // one double-byte character when read back.
    run("\x03\x05\x03\x83\x00\x00\x00\x00\x00Az\xEF\xBB\xBF[\xE3\x82\xA2]\nA = v \n"sv);
    // A byte that is no character next to a character the code page writes in
    // another form.
    run("\x00\x02\x05\xEE\xEEmmentS=\"xmmentS=\"x;\n\"\r\r\n\x00\x00\x00\x00"sv);
    // A value of UTF-16 units holding "¥", which the code page writes as "\", in
    // its escaped form.
    run("\x5C\xE2\x5C\x12\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xA5\x00\xA5"sv);
}

}  // namespace
