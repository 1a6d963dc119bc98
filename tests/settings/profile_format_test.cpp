// The byte format as Windows' profile functions read and write it: hand-edited
// files must keep meaning what they meant.
#include "settings/profile_format.h"

#include <gtest/gtest.h>

namespace pelin::settings::profile {
namespace {

std::optional<std::string> find(std::string_view file, std::string_view section, std::string_view key) {
    return findValue(file, section, key, detectEncoding(file));
}

std::string write(std::string_view file, std::string_view section, std::string_view key, std::string_view value) {
    std::optional<std::string> out = withValue(file, section, key, value, detectEncoding(file));
    EXPECT_TRUE(out.has_value());
    return out.value_or(std::string());
}

TEST(ProfileRead, NamesMatchWithoutCaseButNeverInsideDoubleByteCharacters) {
    const std::string file = "[SETEI]\r\nAlinkS=255\r\n[\x83\x41]\r\nk=a\r\n[\x83\x61]\r\nk=b\r\n";
    EXPECT_EQ(find(file, "setei", "alinks"), "255");
    EXPECT_EQ(find(file, "\x83\x41", "K"), "a");  // "ア"
    EXPECT_EQ(find(file, "\x83\x61", "K"), "b");  // "ヂ" is another name
    EXPECT_EQ(find(file, "Setei", "AlinkS "), std::nullopt);
}

TEST(ProfileRead, BlanksQuotesAndBrackets) {
    const std::string file =
        "[ Setei ]\r\n"
        "  key \t=  value  \r\n"
        "dq = \"quoted\" \r\n"
        "sq='single'\r\n"
        "one=\"left only\r\n"
        "mixed=\"a'\r\n"
        "inner=\"\"x\"\"\r\n"
        "[\x83\x5D]\r\n"  // "ゼ": its second byte is "]"
        "z=1\r\n";
    EXPECT_EQ(find(file, "Setei", "key"), "value");
    EXPECT_EQ(find(file, "Setei", "dq"), "quoted");
    EXPECT_EQ(find(file, "Setei", "sq"), "single");
    EXPECT_EQ(find(file, "Setei", "one"), "\"left only");
    EXPECT_EQ(find(file, "Setei", "mixed"), "\"a'");
    EXPECT_EQ(find(file, "Setei", "inner"), "\"x\"");
    EXPECT_EQ(find(file, "\x83\x5D", "z"), "1");
}

TEST(ProfileRead, WhatIsNoKey) {
    const std::string file =
        "before=1\r\n"
        "[Setei]\r\n"
        ";comment=2\r\n"
        "  ; indented=3\r\n"
        "noequals\r\n"
        "a=first\r\n"
        "A=second\r\n"
        "[Other]\r\n"
        "b=x\r\n"
        "[setei]\r\n"
        "c=later section\r\n";
    EXPECT_EQ(find(file, "Setei", "before"), std::nullopt);
    EXPECT_EQ(find(file, "Setei", ";comment"), std::nullopt);
    EXPECT_EQ(find(file, "Setei", "noequals"), std::nullopt);
    EXPECT_EQ(find(file, "Setei", "a"), "first");
    EXPECT_EQ(find(file, "Setei", "c"), std::nullopt);  // only the first section counts
    EXPECT_EQ(find(file, "Other", "b"), "x");
    EXPECT_EQ(find("", "Setei", "a"), std::nullopt);
}

TEST(ProfileRead, LfOnlyAndByteOrderMark) {
    EXPECT_EQ(find("[Setei]\nLangS=1\nCSS=a.css\n", "Setei", "CSS"), "a.css");
    const std::string bom = "\xEF\xBB\xBF[Setei]\r\nLangS=1\r\n";
    EXPECT_EQ(detectEncoding(bom), Encoding::Utf8);
    EXPECT_EQ(find(bom, "Setei", "LangS"), "1");
}

TEST(ProfileFormat, LinesEndedByCrAloneAreLinesAndStaySo) {
    const std::string file = "[Setei]\rSetei=Auto\rLangS=1\r[Data]\rChar=c.pcf";
    EXPECT_EQ(find(file, "Setei", "LangS"), "1");
    EXPECT_EQ(find(file, "Data", "Char"), "c.pcf");
    EXPECT_EQ(write(file, "Setei", "LangS", "2"), "[Setei]\rSetei=Auto\rLangS=2\r[Data]\rChar=c.pcf");
    EXPECT_EQ(write(file, "Setei", "CSS", "a.css"), "[Setei]\rSetei=Auto\rLangS=1\rCSS=a.css\r[Data]\rChar=c.pcf");
    EXPECT_EQ(write(file, "New", "k", "v"), file + "\r[New]\rk=v\r");
    // A lone CR inside a file of CR LF lines ends a line too.
    EXPECT_EQ(find("[S]\r\na=1\rb=2\r\n", "S", "b"), "2");
}

TEST(ProfileWrite, FirstWriteCreatesSectionAndKey) {
    EXPECT_EQ(write("", "Setei", "Setei", "Auto"), "[Setei]\r\nSetei=Auto\r\n");
    EXPECT_EQ(write("x=1", "Data", "Char", "c.pcf"), "x=1\r\n[Data]\r\nChar=c.pcf\r\n");
    EXPECT_EQ(write("x=1\r", "Data", "Char", "c"), "x=1\r\n[Data]\r\nChar=c\r\n");
    EXPECT_EQ(write("x=1\n", "Data", "Char", "c"), "x=1\n[Data]\r\nChar=c\r\n");
}

TEST(ProfileWrite, ExistingKeyIsChangedInPlaceKeepingEverythingElse) {
    const std::string file = "; my settings\r\n[setei]\r\n  alinkS = 1 \r\nother=2\r\n\r\n[Data]\r\nChar=c\r\n";
    EXPECT_EQ(write(file, "Setei", "AlinkS", "255"),
              "; my settings\r\n[setei]\r\n  alinkS = 255\r\nother=2\r\n\r\n[Data]\r\nChar=c\r\n");
    EXPECT_EQ(write("[S]\r\nk=\r\n", "S", "k", "v"), "[S]\r\nk=v\r\n");
}

TEST(ProfileWrite, NewKeyGoesAfterTheLastEntryOfItsSection) {
    const std::string file = "[Setei]\r\na=1\r\n; note\r\n\r\n[Data]\r\nChar=c\r\n";
    EXPECT_EQ(write(file, "Setei", "b", "2"), "[Setei]\r\na=1\r\nb=2\r\n; note\r\n\r\n[Data]\r\nChar=c\r\n");
    EXPECT_EQ(write("[Setei]\r\n\r\n[Data]\r\n", "setei", "b", "2"), "[Setei]\r\nb=2\r\n\r\n[Data]\r\n");
    EXPECT_EQ(write("[Setei]\r\na=1", "Setei", "b", "2"), "[Setei]\r\na=1\r\nb=2\r\n");
    // A key in a later section of the same name is not the key asked for.
    EXPECT_EQ(write("[S]\r\n[T]\r\n[S]\r\nk=1\r\n", "S", "k", "2"), "[S]\r\nk=2\r\n[T]\r\n[S]\r\nk=1\r\n");
}

TEST(ProfileWrite, ValuesThatWouldReadOtherwiseAreQuoted) {
    for (std::string_view value :
         {" leading", "trailing\t", "\"typed in quotes\"", "'single'", "  ", "\"", "\"half", "plain"}) {
        const std::string file = write("", "S", "k", value);
        EXPECT_EQ(find(file, "S", "k"), value) << file;
    }
    EXPECT_EQ(storedForm("\"a\""), "\"\"a\"\"");
    EXPECT_EQ(storedForm("a \"b\" c"), "a \"b\" c");
}

TEST(ProfileWrite, RefusesWhatCouldNotReadBack) {
    EXPECT_EQ(withValue("", "S", "a=b", "v", Encoding::Cp932), std::nullopt);
    EXPECT_EQ(withValue("", "S", ";k", "v", Encoding::Cp932), std::nullopt);
    EXPECT_EQ(withValue("", "S", " k", "v", Encoding::Cp932), std::nullopt);
    EXPECT_EQ(withValue("", "S]", "k", "v", Encoding::Cp932), std::nullopt);
    EXPECT_EQ(withValue("", "S", "k", "a\r\nb", Encoding::Cp932), std::nullopt);
    EXPECT_EQ(withValue("", "S\n", "k", "v", Encoding::Cp932), std::nullopt);
    // A name ending in a lead byte would swallow the "]".
    EXPECT_EQ(withValue("", "S\x83", "k", "v", Encoding::Cp932), std::nullopt);
}

}  // namespace
}  // namespace pelin::settings::profile
