// Characters are picture files named ".pcf": the loader reads them by content.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "form/win32/picture_loader.h"
#include "form/win32/picture_pixels.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace pelin::form::win32 {
namespace {

using pelin::testing::besideProgram;
using pelin::testing::pixelAt;
using pelin::testing::TempDir;

// The test pictures are 8 × 6: the left half red, the right half blue.
bool about(int value, int wanted) { return std::abs(value - wanted) <= 8; }

class EachFormat : public ::testing::TestWithParam<const char*> {};

TEST_P(EachFormat, LoadsUnderACharacterName) {
    TempDir dir;
    const std::filesystem::path character = dir / "pelin-mine.pcf";
    std::filesystem::copy_file(besideProgram() / "pictures" / GetParam(), character);

    WicPictureLoader loader;
    const std::shared_ptr<Picture> picture = loader.load(character);
    ASSERT_NE(picture, nullptr);
    const Bitmap* bitmap = bitmapOf(picture.get());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->width(), 8);
    EXPECT_EQ(bitmap->height(), 6);
    const auto red = pixelAt(*bitmap, 0, 0);
    EXPECT_TRUE(about(red.red, 255) && about(red.green, 0) && about(red.blue, 0) && red.alpha == 255);
    const auto blue = pixelAt(*bitmap, 7, 0);
    EXPECT_TRUE(about(blue.red, 0) && about(blue.green, 0) && about(blue.blue, 255) && blue.alpha == 255);
}

INSTANTIATE_TEST_SUITE_P(WicPictureLoader, EachFormat,
                         ::testing::Values("picture.png", "picture.bmp", "picture.gif", "picture.jpg"),
                         [](const auto& info) { return std::string(info.param).substr(8); });

TEST(WicPictureLoader, KeepsTransparencyPremultiplied) {
    WicPictureLoader loader;
    const auto picture = loader.load(besideProgram() / "pictures" / "picture.png");
    ASSERT_NE(picture, nullptr);
    const Bitmap& bitmap = *bitmapOf(picture.get());
    const auto clear = pixelAt(bitmap, 0, 5);
    EXPECT_EQ(clear.alpha, 0);
    EXPECT_EQ(clear.red, 0);
    const auto half = pixelAt(bitmap, 7, 5);  // blue at alpha 128
    EXPECT_EQ(half.alpha, 128);
    EXPECT_TRUE(about(half.blue, 128)) << half.blue;
}

TEST(WicPictureLoader, RefusesAFileOverTheLimitUnread) {
    TempDir dir;
    const std::filesystem::path character = dir / "big.pcf";
    std::filesystem::copy_file(besideProgram() / "pictures" / "picture.png", character);
    // A whole picture at its start, which any decoder reads past the rest.
    std::filesystem::resize_file(character, platform::kMaxPictureFileBytes + 1);
    EXPECT_EQ(WicPictureLoader().load(character), nullptr);
}

TEST(WicPictureLoader, RefusesAFolderAndWhatIsNoPicture) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.pcf");
    EXPECT_EQ(WicPictureLoader().load(dir / "folder.pcf"), nullptr);
    EXPECT_EQ(WicPictureLoader().load(dir.write("text.pcf", "not a picture at all")), nullptr);
    EXPECT_EQ(WicPictureLoader().load(dir / "missing.pcf"), nullptr);
}

}  // namespace
}  // namespace pelin::form::win32
