// pelin-convert as a program: the worked examples from settings files, the
// wizard's own settings file found as the wizard finds it, answers replaced for
// one run, batches, failures and usage.
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "convert_tool.h"
#include "support/scoped_env.h"
#include "text/numbers.h"
#include "version.h"
#include "wizard/wizard_fixture.h"

#ifdef _WIN32
// Last: its macros would rename what the program's headers declare.
#include <windows.h>
#endif

namespace pelin::testing {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

class ConvertTest : public WizardTest {
protected:
    // Runs the built program (or a copy of it) in the test folder.
    Outcome runProgram(const std::string& arguments, const std::filesystem::path& program = PELIN_CONVERT_PATH) {
        Outcome o{-1, {}, {}};
#ifdef _WIN32
        // Started directly, without cmd.exe: every further Wine process is one
        // more chance for Wine to fail to start one.
        const std::filesystem::path whole = std::filesystem::absolute(program).make_preferred();
        std::wstring command = L"\"" + whole.native() + L"\" " + text::toPath(text::fromUtf8(arguments)).native();
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        const auto capture = [&](const char* name) {
            return ::CreateFileW((dir / name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        };
        PROCESS_INFORMATION process{};
        bool started = false;
        DWORD error = 0;
        // Wine now and then loses a new process before it runs a line of its
        // program and says ERROR_INTERNAL_ERROR; the program never ran, so it
        // is started again (said on the test's output), a few times at most.
        for (int attempt = 1; attempt <= 3; ++attempt) {
            STARTUPINFOW startup{};
            startup.cb = sizeof startup;
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdInput = ::CreateFileW(L"NUL", GENERIC_READ, 0, &inherited, OPEN_EXISTING, 0, nullptr);
            startup.hStdOutput = capture("stdout.txt");
            startup.hStdError = capture("stderr.txt");
            started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, dir.c_str(),
                                       &startup, &process);
            error = ::GetLastError();
            for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) ::CloseHandle(handle);
            if (started || error != ERROR_INTERNAL_ERROR) break;
            std::printf("the program did not start (Windows error %lu, attempt %d)\n", error, attempt);
        }
        if (!started) {
            o.err = "not started (Windows error " + std::to_string(error) + ")";
            return o;
        }
        DWORD status = 0;
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::GetExitCodeProcess(process.hProcess, &status);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
        o.status = static_cast<int>(status);
        if (platform::Result<std::string> out = platform::readFile(dir / "stdout.txt")) o.out = std::move(*out);
#else
        const std::string command = "cd '" + dir.string() + "' && '" + program.string() + "' " + arguments + " 2>'" +
                                    (dir / "stderr.txt").string() + "'";
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) {
            // The shell did not start: the outcome says why rather than nothing.
            o.err = std::string("not started: ") + std::strerror(errno);
            return o;
        }
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) o.out.append(buffer, n);
        const int raw = ::pclose(pipe);
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        if (platform::Result<std::string> err = platform::readFile(dir / "stderr.txt")) o.err = std::move(*err);
#ifdef _WIN32
        // Text written on Windows ends its lines in CR LF.
        for (std::string* text : {&o.out, &o.err}) std::erase(*text, '\r');
#endif
        return o;
    }
    // Runs the program's function as if the program were in `programFolder`.
    static Outcome runIn(const std::filesystem::path& programFolder, const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const int status = convert::run(args, out, err, programFolder);
        return {status, out.str(), err.str()};
    }
    void writeSettings(const std::string& name, Keys keys) {
        std::string content = "[Setei]\r\nSetei=Auto\r\n";
        for (const auto& [k, v] : keys) content += k + "=" + v + "\r\n";
        writeFile(name, content);
    }
    bool pageHas(const std::filesystem::path& page, const std::string& part) {
        return readBytes(page).find(part) != std::string::npos;
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
    // The page figure: two bytes a character, the file's last line end left out.
    const double pageKb = static_cast<double>(text::fromUtf8(kFirstExamplePage).size() - 2) * 2 / 1000.0;
    EXPECT_EQ(o.out, "one.htm: 変換前:0.021KB 変換後:" + text::toUtf8(text::formatReal(pageKb)) + "KB\n");
    EXPECT_EQ(readBytes(dir / "first.ini"), firstIni);  // "Setei=Auto" writes nothing here

    o = runProgram("--settings second.ini two.txt two.htm");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(readBytes(dir / "two.htm"), secondExamplePageBytes());
}

TEST_F(ConvertTest, WithoutSettingsItReadsTheFileBesideTheProgramAsTheWizardDoes) {
    const std::filesystem::path program = dir / "program" / std::filesystem::path(PELIN_CONVERT_PATH).filename();
    std::filesystem::create_directory(dir / "program");
    std::filesystem::copy_file(PELIN_CONVERT_PATH, program);
    writeFile("a.txt", "x");

    // Nothing saved yet: a first start, said on standard error; nothing is created.
    Outcome o = runProgram("a.txt a.htm", program);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "pelin-convert: no answers saved in " + (dir / "program" / "Pelin.ini").string() +
                         " yet; converting with the answers of a first start\n");
    EXPECT_TRUE(pageHas(dir / "a.htm", "<HTML><HEAD>"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "program"), {}), 1);

    writeFile("program/Pelin.ini", "[Setei]\r\nLangS=5\r\n");
    o = runProgram("a.txt a.htm", program);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_TRUE(pageHas(dir / "a.htm", "<HTML LANG=ko><HEAD>"));
}

TEST_F(ConvertTest, AProgramFolderThatTakesNoFilesMeansTheUsersConfigurationFolder) {
#ifdef _WIN32
    ScopedEnv config("APPDATA", (dir / "config").string());
#else
    ScopedEnv config("XDG_CONFIG_HOME", (dir / "config").string());
#endif
    // As for an installed program: a folder where no file can be made (a file
    // stands for it, as the test's root user may write anywhere).
    const std::filesystem::path program = writeFile("program", "not a folder");
    const std::filesystem::path saved = dir / "config" / "pelin" / "Pelin.ini";
    writeFile("a.txt", "x");
    const std::vector<std::string> args{(dir / "a.txt").string(), (dir / "a.htm").string()};

    Outcome o = runIn(program, args);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.err.find("no answers saved in " + saved.string()), std::string::npos) << o.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "config"));  // reading nothing makes nothing

    std::filesystem::create_directories(saved.parent_path());
    writeFile("config/pelin/Pelin.ini", "[Setei]\r\nLangS=5\r\n");
    o = runIn(program, args);
    EXPECT_EQ(o.err, "");
    EXPECT_TRUE(pageHas(dir / "a.htm", "<HTML LANG=ko><HEAD>"));
    EXPECT_NE(runIn(program, {"--help"}).out.find(saved.string()), std::string::npos);
}

TEST_F(ConvertTest, ASettingsFileThatCannotBeReadIsAnErrorNotAFirstStart) {
    writeFile("a.txt", "x");
    std::filesystem::create_directory(dir / "folder.ini");
    Outcome o = runProgram("--settings missing.ini a.txt a.htm");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, "pelin-convert: missing.ini: cannot be read because no such file or folder\n");
    o = runProgram("--settings folder.ini a.txt a.htm");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, "pelin-convert: folder.ini: is a folder\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "a.htm"));
}

// Step 7's second box, saved or given for the run, reaches the body; a
// settings file without it leaves markup typed in the text as markup.
TEST_F(ConvertTest, AngleBracketsShowAsTypedWhenAsked) {
    writeSettings("first.ini", firstExampleKeys());
    writeFile("code.txt", "#include <errno.h>\r\n");
    EXPECT_EQ(runProgram("--settings first.ini code.txt markup.htm").status, 0);
    EXPECT_NE(readBytes(dir / "markup.htm").find("\r\n#include <errno.h><BR>\r\n"), std::string::npos);
    EXPECT_EQ(runProgram("--settings first.ini --set option72s=1 code.txt shown.htm").status, 0);
    EXPECT_NE(readBytes(dir / "shown.htm").find("\r\n#include &lt;errno.h&gt;<BR>\r\n"), std::string::npos);
}

TEST_F(ConvertTest, SetReplacesASavedAnswerForThisRunAlone) {
    writeSettings("first.ini", firstExampleKeys());
    writeFile("one.txt", kFirstExampleSource);
    const std::string ini = readBytes(dir / "first.ini");

    Outcome o = runProgram("--settings first.ini --set webtitles=日記 one.txt one.htm");
    EXPECT_EQ(o.status, 0) << o.err;
    std::string expected = kFirstExamplePage;
    expected.replace(expected.find("サンプル"), std::string("サンプル").size(), "日記");
    EXPECT_EQ(readBytes(dir / "one.htm"), cp932(expected));
    EXPECT_EQ(readBytes(dir / "first.ini"), ini);

    o = runProgram("--settings first.ini --set Title=x one.txt two.htm");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("'Title' is not a saved answer"), std::string::npos) << o.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "two.htm"));
}

// The answers of --set are kept in memory: no copy of them is written, so none is
// left behind by a run that is interrupted, and a system whose folder for
// temporary files cannot be used converts as any other.
TEST_F(ConvertTest, SetWritesNoCopyOfTheAnswers) {
    const std::string noFolder = (dir / "no-such-folder").string();
#ifdef _WIN32
    ScopedEnv tmp("TMP", noFolder), temp("TEMP", noFolder);
#else
    ScopedEnv tmp("TMPDIR", noFolder);
#endif
    writeSettings("first.ini", firstExampleKeys());
    writeFile("one.txt", kFirstExampleSource);

    Outcome o = runProgram("--settings first.ini --set webtitles=日記 one.txt one.htm");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(pageHas(dir / "one.htm", cp932("<TITLE>日記</TITLE>")));
}

TEST_F(ConvertTest, OutDirConvertsEveryReadableSourceAndNamesTheOthersWithTheReason) {
    writeSettings("Pelin.ini", secondExampleKeys());
    const std::string ini = readBytes(dir / "Pelin.ini");
    writeFile("a.txt", kSecondExampleSource);
    writeFile("-b.text", kSecondExampleSource);
    std::filesystem::create_directory(dir / "out");
    std::filesystem::create_directory(dir / "folder.txt");
#ifdef _WIN32
    // No pipe stands in a folder on Windows (pipes and devices: tests/platform/files_win_test.cpp).
    const std::string notAFile, notAFileError;
#else
    ASSERT_EQ(::mkfifo((dir / "pipe.txt").c_str(), 0600), 0);
    const std::string notAFile = " pipe.txt", notAFileError = "pelin-convert: pipe.txt: not a regular file\n";
#endif

    Outcome o =
        runProgram("--settings Pelin.ini --out-dir out a.txt missing.txt folder.txt" + notAFile + " -- -b.text");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(readBytes(dir / "out" / "a.htm"), secondExamplePageBytes());
    EXPECT_EQ(readBytes(dir / "out" / "-b.htm"), secondExamplePageBytes());
    EXPECT_EQ(o.err,
              "pelin-convert: missing.txt: cannot be read because no such file or folder\n"
              "pelin-convert: folder.txt: is a folder\n" +
                  notAFileError);
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 2);  // one line of sizes for each page
    EXPECT_EQ(readBytes(dir / "Pelin.ini"), ini);

    o = runProgram("--settings Pelin.ini a.txt no-such-folder/a.htm");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "pelin-convert: no-such-folder/a.htm: cannot be written because no such file or folder\n");
}

TEST_F(ConvertTest, OutDirIsMadeWhenMissingAndEachSizeLineNamesItsPage) {
    writeSettings("Pelin.ini", firstExampleKeys());  // a page in code page 932
    writeFile("a.txt", kFirstExampleSource);
    writeFile("b.txt", "x");

    Outcome o = runProgram("--settings Pelin.ini --out-dir new/pages a.txt b.txt");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "pelin-convert: new/pages: cannot be made because no such file or folder\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "new"));

    o = runProgram("--settings Pelin.ini --out-dir new a.txt b.txt");
    EXPECT_EQ(o.status, 0) << o.err;
    // Each line as the last step shows the sizes: the page's figure counts two
    // bytes a character of the page, its last line end left out.
    std::string expected;
    for (const char* name : {"a", "b"}) {
        const std::filesystem::path page = dir / "new" / (std::string(name) + ".htm");
        const double sourceKb = static_cast<double>(std::filesystem::file_size(dir / (std::string(name) + ".txt")));
        const double pageKb = static_cast<double>(text::fromCp932(readBytes(page)).size() - 2) * 2;
        expected += (std::filesystem::path("new") / page.filename()).string() +
                    ": 変換前:" + text::toUtf8(text::formatReal(sourceKb / 1000.0)) +
                    "KB 変換後:" + text::toUtf8(text::formatReal(pageKb / 1000.0)) + "KB\n";
    }
    EXPECT_EQ(o.out, expected);
    // A folder that is there is written into as it is.
    EXPECT_EQ(runProgram("--settings Pelin.ini --out-dir new a.txt").status, 0);
}

TEST_F(ConvertTest, FileNamesInAnyScriptAreTakenAndShownAsTyped) {
    writeSettings("first.ini", firstExampleKeys());
    writeFile("日記.txt", kFirstExampleSource);
    Outcome o = runProgram("--settings first.ini 日記.txt ページ.htm");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(readBytes(dir / utf8Name("ページ.htm")), cp932(kFirstExamplePage));

    o = runProgram("--settings first.ini 한국.txt ページ.htm");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "pelin-convert: 한국.txt: cannot be read because no such file or folder\n");
}

// A name that would set the terminal's title or colours, or that holds bytes of
// no character, is printed with those as escapes a terminal does not act on.
TEST_F(ConvertTest, ControlCharactersAndBytesOfNoCharacterInNamesArePrintedAsEscapes) {
    writeSettings("first.ini", firstExampleKeys());
    const std::string ini = (dir / "first.ini").string();

    Outcome o = runIn(dir, {"--settings", ini, "\x1B]0;owned\x07\xFF.txt", "a.htm"});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.err.starts_with("pelin-convert: \\x1B]0;owned\\x07\\xFF.txt: ")) << o.err;
    o = runIn(dir, {"--\x1B[2J\xC2\x9B"});
    EXPECT_EQ(o.status, 2);
    EXPECT_TRUE(o.err.starts_with("pelin-convert: unknown option '--\\x1B[2J\\u009B'\n")) << o.err;
#ifndef _WIN32
    // A page whose name colours the terminal red is written under that name.
    writeFile("one.txt", kFirstExampleSource);
    o = runIn(dir, {"--settings", ini, (dir / "one.txt").string(), (dir / "\x1B[31mred.htm").string()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "\x1B[31mred.htm"));
    EXPECT_TRUE(o.out.starts_with((dir / "\\x1B[31mred.htm: 変換前:").string())) << o.out;
#endif
}

#ifdef _WIN32
// cmd.exe hands "*" and "?" to the program, which expands them as Windows
// programs do; in quotes a name is taken as it is.
TEST_F(ConvertTest, WildcardsStandForTheFilesTheyMatch) {
    writeSettings("Pelin.ini", secondExampleKeys());
    std::filesystem::create_directory(dir / "notes");
    for (const char* name : {"notes/a.txt", "notes/b.txt", "notes/c.text"}) writeFile(name, kSecondExampleSource);

    Outcome o = runProgram("--settings Pelin.ini --out-dir pages notes\\*.txt notes\\?.tex?");
    EXPECT_EQ(o.status, 0) << o.err;
    for (const char* page : {"a.htm", "b.htm", "c.htm"})
        EXPECT_EQ(readBytes(dir / "pages" / page), secondExamplePageBytes()) << page;
    EXPECT_TRUE(o.out.starts_with("pages\\a.htm: ")) << o.out;

    o = runProgram("--settings Pelin.ini --out-dir quoted \"notes\\*.txt\"");
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.err.starts_with("pelin-convert: notes\\*.txt: ")) << o.err;
}
#endif

#ifndef _WIN32
// A page renamed into place is on the disk only once its folder is: traced, as
// nothing else shows it (the leak check of a sanitized build cannot run traced).
TEST_F(ConvertTest, ThePagesFolderIsSyncedAfterThePageTakesItsName) {
    if (std::system("strace -o /dev/null true >/dev/null 2>&1") != 0) GTEST_SKIP() << "no strace here";
    writeSettings("Pelin.ini", secondExampleKeys());
    writeFile("y.txt", kSecondExampleSource);
    const std::string command =
        "cd '" + dir.string() +
        "' && ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" strace -f -qq -y -e trace=rename,renameat,renameat2,fsync "
        "-o trace.log '" +
        std::string(PELIN_CONVERT_PATH) + "' --settings Pelin.ini y.txt y.htm >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string trace = readBytes(dir / "trace.log");
    const std::size_t renamed = trace.find("y.htm\") = 0");
    ASSERT_NE(renamed, std::string::npos) << trace;
    EXPECT_NE(trace.find("fsync(", renamed), std::string::npos) << trace;
    EXPECT_NE(trace.find("<" + std::filesystem::canonical(dir).string() + ">)", renamed), std::string::npos) << trace;
}
#endif

TEST_F(ConvertTest, OutDirWritesNoPageOverAnotherPageOrASource) {
    writeSettings("Pelin.ini", secondExampleKeys());
    for (const char* folder : {"d1", "d2", "od"}) std::filesystem::create_directory(dir / folder);
    writeFile("d1/x.txt", "first");
    writeFile("d2/x.txt", "second");
    writeFile("y.txt", kSecondExampleSource);
    writeFile("od/p.htm", "a source");

    Outcome o = runProgram("--settings Pelin.ini --out-dir od d1/x.txt d2/x.txt y.txt od/p.htm");
    EXPECT_EQ(o.status, 1);
    // Sources as typed, pages as the system joins folder and name.
    const std::string od = std::string("od") + static_cast<char>(std::filesystem::path::preferred_separator);
    const std::string notConverted = ": not converted: its page " + od;
    EXPECT_EQ(o.err, "pelin-convert: d1/x.txt" + notConverted +
                         "x.htm would also be the page of d2/x.txt\n"
                         "pelin-convert: d2/x.txt" +
                         notConverted +
                         "x.htm would also be the page of d1/x.txt\n"
                         "pelin-convert: od/p.htm" +
                         notConverted + "p.htm would replace the source itself\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "od" / "x.htm"));
    EXPECT_EQ(readBytes(dir / "od" / "p.htm"), "a source");
    EXPECT_EQ(readBytes(dir / "od" / "y.htm"), secondExamplePageBytes());

    // The source under another name: another spelling, a second hard link, and
    // on Windows another letter case, of a page already there or not.
    std::filesystem::create_hard_link(dir / "y.txt", dir / "hard.htm");
    std::vector<std::string> sameFile{"./y.txt", "hard.htm"};
#ifdef _WIN32
    sameFile.push_back("Y.TXT");
    writeFile("d2/X.txt", "third");
    o = runProgram("--settings Pelin.ini --out-dir od d1/x.txt d2/X.txt");
    EXPECT_EQ(o.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "od" / "x.htm"));
#endif
    for (const std::string& page : sameFile) {
        o = runProgram("--settings Pelin.ini y.txt " + page);
        EXPECT_EQ(o.status, 1) << page;
        EXPECT_EQ(readBytes(dir / "y.txt"), kSecondExampleSource) << page;
    }
}

TEST_F(ConvertTest, UsageHelpAndVersion) {
    for (const char* wrong :
         {"", "only-one.txt", "a b c", "--out-dir", "--bogus a b", "--settings", "--set", "--set WebTitleS a b"}) {
        Outcome o = runProgram(wrong);
        EXPECT_EQ(o.status, 2) << wrong << ": " << o.err;
        EXPECT_NE(o.err.find("usage: pelin-convert"), std::string::npos) << wrong;
    }
    Outcome help = runIn(dir, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find(iniPath().string() + "\n"), std::string::npos);
    EXPECT_NE(help.out.find(" CommentS"), std::string::npos);

    Outcome version = runProgram("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("pelin-convert ") + kVersion + "\n");
}

}  // namespace
}  // namespace pelin::testing
