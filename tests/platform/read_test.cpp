// Reading: only regular files, never waiting, never without limit, and always
// saying why not.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace pelin::platform {
namespace {

using pelin::testing::TempDir;
using namespace std::chrono_literals;

#ifndef _WIN32  // Windows names its pipes and devices otherwise: files_win_test.cpp
TEST(Reading, FoldersPipesAndDevicesAreRefusedAtOnce) {
    TempDir dir;
    const std::filesystem::path pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::pair<std::filesystem::path, FileErrorKind> cases[] = {
        {pipe, FileErrorKind::NotRegularFile},
        {"/dev/zero", FileErrorKind::NotRegularFile},
        {dir.path(), FileErrorKind::IsFolder},
    };
    for (const auto& [path, kind] : cases) {
        // A reader that waited for a writer would hang: give it one after a
        // second, so that the test fails instead of hanging with it.
        std::future<Result<std::string>> read = std::async(std::launch::async, [&] { return readFile(path); });
        if (read.wait_for(1s) == std::future_status::timeout) {
            ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
            ADD_FAILURE() << path << " was waited on";
        }
        const Result<std::string> result = read.get();
        ASSERT_FALSE(result) << path;
        EXPECT_EQ(result.error().kind, kind) << path;
        EXPECT_EQ(result.error().path, path);
        const Result<std::uintmax_t> size = fileSize(path);
        ASSERT_FALSE(size);
        EXPECT_EQ(size.error().kind, kind);
        EXPECT_FALSE(fileLength(path));
    }
}
#endif

TEST(Reading, AFileOverItsLimitIsRefusedAsTooLarge) {
    TempDir dir;
    const auto file = dir.write("ten.txt", "0123456789");
    EXPECT_EQ(readFile(file, 10).value(), "0123456789");
    EXPECT_EQ(fileSize(file, 10).value(), 10u);
    for (const FileError& error : {readFile(file, 9).error(), fileSize(file, 9).error()}) {
        EXPECT_EQ(error.kind, FileErrorKind::TooLarge);
        EXPECT_EQ(shownReason(error), "ファイルが大きすぎます");
        EXPECT_EQ(englishReason(error), "too large");
    }
}

TEST(Reading, ReasonsSayWhatWentWrongInTheProgramsWords) {
    TempDir dir;
    const auto file = dir.write("file.txt", "x");

    const Result<std::string> missing = readFile(dir / "none.txt");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().path, dir / "none.txt");
    EXPECT_EQ(shownReason(missing.error()), "ファイルまたはフォルダーが見つかりません");
    EXPECT_EQ(englishReason(missing.error()), "no such file or folder");
#ifdef _WIN32
    EXPECT_FALSE(missing.error().reason.empty());  // the system's own text, in the system's language
#else
    EXPECT_EQ(missing.error().reason, "No such file or directory");  // the system's own text stays at hand
#endif

    EXPECT_EQ(readFile(file / "inside.txt").error().kind, FileErrorKind::NotFolder);
    EXPECT_EQ(shownReason(readFile(dir.path()).error()), "ファイルではなくフォルダーです");

    // What the program has no words of its own for keeps the system's text.
    const FileError other{file, "Stale file handle", FileErrorKind::Other};
    EXPECT_EQ(shownReason(other), "Stale file handle");
    EXPECT_EQ(englishReason(other), "Stale file handle");
}

TEST(Reading, LinksInACircleAndFilesWithoutPermissionAreNamed) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows gives few users the right to make links, and has no permission bits";
#else
    TempDir dir;
    const auto file = dir.write("file.txt", "x");
    std::filesystem::create_symlink("b", dir / "a");
    std::filesystem::create_symlink("a", dir / "b");
    EXPECT_EQ(readFile(dir / "a").error().kind, FileErrorKind::TooManyLinks);
    if (::geteuid() != 0) {  // permissions do not stop the super-user
        ::chmod(file.c_str(), 0);
        EXPECT_EQ(shownReason(readFile(file).error()), "アクセスが拒否されました");
    }
#endif
}

}  // namespace
}  // namespace pelin::platform
