// What only Windows has: drive-letter paths in UTF-16, files held open by other
// programs, attributes (devices: tests/platform/files_win_test.cpp).
#include <windows.h>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "text/textfile.h"

namespace pelin::text {
namespace {

using pelin::testing::TempDir;

std::size_t filesIn(const TempDir& dir) {
    std::size_t files = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
    return files;
}

TEST(WindowsPaths, StayAsWindowsWritesThem) {
    const Text written = u"C:\\Users\\ぺりん\\日記.txt";
    EXPECT_EQ(toPath(written).native(), L"C:\\Users\\ぺりん\\日記.txt");
    EXPECT_EQ(fromPath(toPath(written)), written);
    EXPECT_EQ(fromPath(toPath(written).parent_path()), u"C:\\Users\\ぺりん");
    const Text unpaired = u"D:\\a\xDC81.txt";  // Windows allows a lone surrogate in a name
    EXPECT_EQ(fromPath(toPath(unpaired)), unpaired);
}

TEST(WindowsFiles, ProgramFolderHoldsTheRunningProgram) {
    EXPECT_TRUE(std::filesystem::exists(platform::programFolder() / "pelin_text_tests.exe"));
}

TEST(WindowsFiles, FileHeldOpenWithoutSharingIsRefusedAndKept) {
    TempDir dir;
    const auto path = dir.write("page.htm", "old");
    HANDLE held = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const platform::Result<> written = writeCp932File(path, u"new");
    ::CloseHandle(held);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().path, path);
    EXPECT_EQ(written.error().kind, platform::FileErrorKind::Busy);
    EXPECT_FALSE(written.error().reason.empty());
    EXPECT_EQ(TempDir::read(path), "old");
    EXPECT_EQ(filesIn(dir), 1u);
}

TEST(WindowsFiles, ReplacingKeepsTheAttributes) {
    TempDir dir;
    const auto path = dir.write("page.htm", "old");
    ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(writeCp932File(path, u"new"));
    EXPECT_TRUE(::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(TempDir::read(path), "new");
    EXPECT_EQ(filesIn(dir), 1u);
}

}  // namespace
}  // namespace pelin::text
