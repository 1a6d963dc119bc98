// The pictures that come with the program, at each screen's scale.
#include <gtest/gtest.h>

#include <string>

#include "form/win32/bundled_picture.h"
#include "form/win32/picture_pixels.h"

namespace pelin::form::win32 {
namespace {

struct Scale {
    int dpi;
    int width, height;  // the mascot's 123 × 207 at that scale
};

class AtEachScale : public ::testing::TestWithParam<Scale> {};

TEST_P(AtEachScale, TheMascotIsThereInItsSizeForTheScreen) {
    const Scale scale = GetParam();
    const auto mascot = bundledPicture("mascot-blue", scale.dpi);
    ASSERT_NE(mascot, nullptr);
    EXPECT_EQ(mascot->width(), scale.width);
    EXPECT_EQ(mascot->height(), scale.height);
    // Drawn, not empty: its middle is covered.
    EXPECT_EQ(pelin::testing::pixelAt(*mascot, scale.width / 2, scale.height / 2).alpha, 255);
    const auto icon = bundledPicture("menu-version", scale.dpi);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width(), 16 * bundledPictureDpi(scale.dpi) / 96);
}

INSTANTIATE_TEST_SUITE_P(BundledPicture, AtEachScale,
                         ::testing::Values(Scale{96, 123, 207}, Scale{144, 185, 311}, Scale{192, 246, 414}),
                         [](const auto& info) { return std::to_string(info.param.dpi) + "dpi"; });

TEST(BundledPicture, AScreenBetweenTwoScalesGetsTheSharperPictures) {
    EXPECT_EQ(bundledPictureDpi(120), 144);
    EXPECT_EQ(bundledPictureDpi(168), 192);
    EXPECT_EQ(bundledPictureDpi(288), 192);
}

TEST(BundledPicture, ANameNotBundledHasNone) { EXPECT_EQ(bundledPicture("no-such-picture", 96), nullptr); }

}  // namespace
}  // namespace pelin::form::win32
