// pelin-convert as a program: the worked examples from settings files, several
// sources at once, failures and usage.
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "convert_tool.h"
#include "wizard/wizard_fixture.h"

namespace pelin::testing {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

class ConvertTest : public WizardTest {
protected:
    // Runs the built program in the test folder.
    Outcome runProgram(const std::string& arguments) {
#ifdef _WIN32
        // Through cmd.exe; the program's path is made whole first, as "cd /d" may change the drive.
        static const std::filesystem::path program = std::filesystem::absolute(PELIN_CONVERT_PATH).make_preferred();
        const std::wstring command = L"cd /d \"" + dir.native() + L"\" && \"" + program.native() + L"\" " +
                                     std::wstring(arguments.begin(), arguments.end()) + L" 2>\"" +
                                     (dir / "stderr.txt").native() + L"\"";
        FILE* pipe = ::_wpopen(command.c_str(), L"r");
#else
        const std::string command = "cd '" + dir.string() + "' && '" PELIN_CONVERT_PATH "' " + arguments +
                                    " 2>'" + (dir / "stderr.txt").string() + "'";
        FILE* pipe = ::popen(command.c_str(), "r");
#endif
        Outcome o{-1, {}, {}};
        if (!pipe) return o;
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) o.out.append(buffer, n);
#ifdef _WIN32
        o.status = ::_pclose(pipe);
#else
        const int raw = ::pclose(pipe);
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        if (platform::Result<std::string> err = platform::readFile(dir / "stderr.txt")) o.err = std::move(*err);
        return o;
    }
    void writeSettings(const std::string& name, Keys keys) {
        std::string content = "[Setei]\r\nSetei=Auto\r\n";
        for (const auto& [k, v] : keys) content += k + "=" + v + "\r\n";
        writeFile(name, content);
    }
};

TEST_F(ConvertTest, WorkedExamplesFromSettingsFiles) {
    writeSettings("first.ini", firstExampleKeys());
    writeSettings("second.ini", secondExampleKeys());
    writeFile("one.txt", kFirstExampleSource);
    writeFile("two.txt", kSecondExampleSource);
    const std::string firstIni = readBytes(dir / "first.ini");

    Outcome o = runProgram("--settings first.ini one.txt one.htm");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(readBytes(dir / "one.htm"), cp932(kFirstExamplePage));
    EXPECT_EQ(o.out, "変換前:0.021KB\n変換後:0.754KB\n");
    EXPECT_EQ(readBytes(dir / "first.ini"), firstIni);  // "Setei=Auto" writes nothing here

    o = runProgram("--settings second.ini two.txt two.htm");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(readBytes(dir / "two.htm"), cp932(kSecondExamplePage));
}

TEST_F(ConvertTest, OutDirConvertsEveryReadableSourceAndNamesTheOthers) {
    writeSettings("Pelin.ini", secondExampleKeys());
    const std::string ini = readBytes(dir / "Pelin.ini");
    writeFile("a.txt", kSecondExampleSource);
    writeFile("b.text", kSecondExampleSource);
    std::filesystem::create_directory(dir / "out");

    Outcome o = runProgram("--settings Pelin.ini --out-dir out a.txt missing.txt b.text");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(readBytes(dir / "out" / "a.htm"), cp932(kSecondExamplePage));
    EXPECT_EQ(readBytes(dir / "out" / "b.htm"), cp932(kSecondExamplePage));
    EXPECT_NE(o.err.find("missing.txt"), std::string::npos);
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 4);
    EXPECT_EQ(readBytes(dir / "Pelin.ini"), ini);
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "missing.htm"));

    o = runProgram("--settings Pelin.ini a.txt no-such-folder/a.htm");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find((std::filesystem::path("no-such-folder") / "a.htm").make_preferred().string()),
              std::string::npos);
}

TEST_F(ConvertTest, UsageAndHelp) {
    for (const char* wrong : {"", "only-one.txt", "a b c", "--out-dir", "--bogus a b", "--settings"}) {
        Outcome o = runProgram(wrong);
        EXPECT_EQ(o.status, 2) << wrong;
        EXPECT_NE(o.err.find("usage: pelin-convert"), std::string::npos) << wrong;
    }
    Outcome help = runProgram("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, convert::kUsage);
}

TEST_F(ConvertTest, DefaultSettingsAreThoseOfTheProgramFolderOrAFirstStart) {
    writeFile("a.txt", "x");
    std::ostringstream out, err;
    const std::string page = (dir / "a.htm").string();
    EXPECT_EQ(convert::run({(dir / "a.txt").string(), page}, out, err, dir), 0) << err.str();
    const std::string firstStart = readBytes(page);
    EXPECT_NE(firstStart.find("<HTML><HEAD>"), std::string::npos);
    EXPECT_NE(firstStart.find("<BASEFONT SIZE=3>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(iniPath()));

    writeIni({{"LangS", "5"}});
    EXPECT_EQ(convert::run({(dir / "a.txt").string(), page}, out, err, dir), 0) << err.str();
    EXPECT_NE(readBytes(page).find("<HTML LANG=ko><HEAD>"), std::string::npos);
}

}  // namespace
}  // namespace pelin::testing
