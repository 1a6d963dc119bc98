// What Windows does its own way: pipes and devices have names of their own,
// rights are access lists, links need a right that few users have, and a program
// is stopped by TerminateProcess or by its console instead of by signals.
#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <utility>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace pelin::platform {
namespace {

using pelin::testing::TempDir;
using namespace std::chrono_literals;

std::ptrdiff_t entriesIn(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

TEST(WindowsFiles, PipesDevicesAndFoldersAreRefusedWithoutWaiting) {
    TempDir dir;
    const std::wstring pipe = L"\\\\.\\pipe\\pelin-test-" + std::to_wstring(::GetCurrentProcessId());
    HANDLE server = ::CreateNamedPipeW(pipe.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    // A reader that waited for the pipe's writer would hang: the pipe goes after
    // a second, so that the test fails instead of hanging with it.
    std::future<Result<std::string>> reading = std::async(std::launch::async, [&] { return readFile(pipe); });
    if (reading.wait_for(1s) == std::future_status::timeout) ADD_FAILURE() << "the pipe was waited on";
    ::CloseHandle(server);
    const Result<std::string> fromPipe = reading.get();
    ASSERT_FALSE(fromPipe);
    EXPECT_EQ(fromPipe.error().kind, FileErrorKind::NotRegularFile);

    // "NUL" is the null device in every folder.
    const std::pair<std::filesystem::path, FileErrorKind> cases[] = {{L"NUL", FileErrorKind::NotRegularFile},
                                                                     {dir.path(), FileErrorKind::IsFolder}};
    for (const auto& [path, kind] : cases) {
        EXPECT_EQ(readFile(path).error().kind, kind) << path;
        EXPECT_EQ(fileSize(path).error().kind, kind) << path;
        EXPECT_FALSE(fileLength(path));
        const Result<> written = replaceFile(path, "page");
        ASSERT_FALSE(written) << path;
        EXPECT_EQ(written.error().kind, kind) << path;
    }
    EXPECT_EQ(entriesIn(dir.path()), 0);
}

bool isLink(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A symbolic link, if this user may make one: Windows gives few users the right,
// and Wine only pretends to make them.
bool makeLink(const std::filesystem::path& link, const std::filesystem::path& target) {
    ::CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    return isLink(link);
}

TEST(WindowsFiles, SymbolicLinksAreFollowedAndStay) {
    TempDir dir;
    std::filesystem::create_directory(dir / "site");
    const auto page = dir.write("site/page.htm", "old");
    if (!makeLink(dir / "page.htm", L"site\\page.htm")) GTEST_SKIP() << "this user makes no symbolic links here";
    ASSERT_TRUE(replaceFile(dir / "page.htm", "new"));
    EXPECT_EQ(TempDir::read(page), "new");
    EXPECT_TRUE(isLink(dir / "page.htm"));
    EXPECT_EQ(entriesIn(dir / "site"), 1);

    // Windows would replace a link to a missing file itself: it is refused.
    ASSERT_TRUE(makeLink(dir / "nowhere.htm", L"site\\missing.htm"));
    const Result<> refused = replaceFile(dir / "nowhere.htm", "new");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, FileErrorKind::NotFound);
    EXPECT_TRUE(isLink(dir / "nowhere.htm"));
}

TEST(WindowsFiles, AWritableFileInAFolderThatTakesNoNewFileIsWrittenInPlace) {
    TempDir dir;
    const auto folder = dir / "locked";
    std::filesystem::create_directory(folder);
    const auto page = dir.write("locked/page.htm", "the old page, longer than the new one");
    // Everyone may do anything in the folder but add a file to it; the page keeps
    // the rights it was made with.
    PSECURITY_DESCRIPTOR locked = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(D;;0x2;;;WD)(A;OICI;FA;;;WD)",
                                                                       SDDL_REVISION_1, &locked, nullptr));
    const bool set = ::SetFileSecurityW(folder.c_str(), DACL_SECURITY_INFORMATION, locked);
    ::LocalFree(locked);
    ASSERT_TRUE(set);
    HANDLE probe = ::CreateFileW((folder / "probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        ::CloseHandle(probe);
        GTEST_SKIP() << "this system does not keep to the folder's access list (Wine)";
    }

    ASSERT_TRUE(replaceFile(page, "new page"));
    EXPECT_EQ(TempDir::read(page), "new page");
    EXPECT_EQ(entriesIn(folder), 1);
}

// pelin_endless_writer (beside this test) replacing a page with one that never
// ends, in a console of its own; ready() once part of the new page is written.
class EndlessWriter {
public:
    EndlessWriter(const std::filesystem::path& page, const wchar_t* mode) {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        HANDLE readEnd = nullptr, writeEnd = nullptr;
        if (!::CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return;
        ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        startup.hStdOutput = writeEnd;
        std::wstring command =
            L"\"" + (programFolder() / L"pelin_endless_writer.exe").native() + L"\" \"" + page.native() + L"\" " + mode;
        running_ = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE, nullptr,
                                    nullptr, &startup, &process_);
        ::CloseHandle(writeEnd);
        char said = 0;
        DWORD got = 0;
        ready_ = running_ && ::ReadFile(readEnd, &said, 1, &got, nullptr) && got == 1;
        ::CloseHandle(readEnd);
    }
    ~EndlessWriter() {
        if (!running_) return;
        ::TerminateProcess(process_.hProcess, 1);
        ::WaitForSingleObject(process_.hProcess, INFINITE);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    EndlessWriter(const EndlessWriter&) = delete;
    EndlessWriter& operator=(const EndlessWriter&) = delete;

    bool ready() const { return ready_; }
    void kill() { ::TerminateProcess(process_.hProcess, 1); }
    // Its exit code once it has ended, waiting for that ten seconds at most.
    std::optional<DWORD> exitCode() {
        if (::WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        ::GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_{};
    bool running_ = false;
    bool ready_ = false;
};

TEST(WindowsFiles, AWriterKilledMidwayLeavesTheOldFileAndNothingElse) {
    TempDir dir;
    const auto page = dir.write("page.htm", "old");
    EndlessWriter writer(page, L"kill");
    ASSERT_TRUE(writer.ready());
    writer.kill();
    ASSERT_TRUE(writer.exitCode());
    EXPECT_EQ(TempDir::read(page), "old");
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST(WindowsFiles, CtrlCMidwayLeavesTheOldFileAndNothingElse) {
    TempDir dir;
    const auto page = dir.write("page.htm", "old");
    EndlessWriter writer(page, L"interrupt");
    ASSERT_TRUE(writer.ready());
    const std::optional<DWORD> code = writer.exitCode();
    ASSERT_TRUE(code) << "Ctrl+C did not end the program";
    if (*code == 77) GTEST_SKIP() << "no console here takes Ctrl+C";
    EXPECT_EQ(*code, STATUS_CONTROL_C_EXIT);  // a failed run to whoever started it
    EXPECT_EQ(TempDir::read(page), "old");
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

}  // namespace
}  // namespace pelin::platform
