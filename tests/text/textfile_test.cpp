#include "text/textfile.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace pelin::text {
namespace {

using pelin::testing::TempDir;

TEST(TextFile, WritesCodePage932AndReadsItBack) {
    TempDir dir;
    auto path = dir / "a.txt";
    ASSERT_TRUE(writeCp932File(path, u"日本\r\n×"));
    EXPECT_EQ(TempDir::read(path), "\x93\xFA\x96\x7B\r\n\x81\x7E");
    const platform::Result<Text> back = readCp932File(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, u"日本\r\n×");
}

TEST(TextFile, MissingFileReportsTheSystemReason) {
    TempDir dir;
    const platform::Result<Text> read = readCp932File(dir / "none.txt");
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().path, dir / "none.txt");
    EXPECT_FALSE(read.error().reason.empty());
}

TEST(TextFile, ANewFileInAFolderThatCannotBeWrittenIsRefused) {
#ifdef _WIN32
    GTEST_SKIP() << "a read-only folder keeps no new file out on Windows (see textfile_win_test.cpp)";
#else
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    TempDir dir;
    ::chmod(dir.path().c_str(), 0555);
    const platform::Result<> written = writeCp932File(dir / "page.htm", u"new");
    ::chmod(dir.path().c_str(), 0755);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, platform::FileErrorKind::AccessDenied);
    EXPECT_FALSE(std::filesystem::exists(dir / "page.htm"));
#endif
}

TEST(TextFile, ReadOnlyTargetIsRefusedAndKept) {
    TempDir dir;
    auto path = dir.write("page.htm", "old");
    testing::makeReadOnly(path);
    ASSERT_FALSE(writeCp932File(path, u"new"));
    EXPECT_EQ(TempDir::read(path), "old");
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(TextFile, ReplacingKeepsThePermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has attributes in place of permissions (see textfile_win_test.cpp)";
#else
    TempDir dir;
    auto path = dir.write("page.htm", "old");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(writeCp932File(path, u"new"));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(TempDir::read(path), "new");
#endif
}

#ifndef _WIN32  // Windows' paths are UTF-16: textfile_win_test.cpp
TEST(TextFile, PathsKeepTheirBytes) {
    EXPECT_EQ(toPath(u"/tmp/日本.txt").native(), "/tmp/\xE6\x97\xA5\xE6\x9C\xAC.txt");
    EXPECT_EQ(fromPath(std::filesystem::path("/tmp/\xE6\x97\xA5")), u"/tmp/日");
}
#endif

}  // namespace
}  // namespace pelin::text
