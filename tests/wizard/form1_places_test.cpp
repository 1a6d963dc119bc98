// Where the main window's controls stand: what a window system that places
// them itself relies on.
#include <set>

#include "wizard_fixture.h"

namespace pelin::testing {
namespace {

using PlacesTest = WizardTest;

bool takesFocus(const form::ControlEntry& e) {
    return e.is<form::Button>() || e.is<form::TextBox>() || e.is<form::CheckBox>() || e.is<form::OptionButton>() ||
           e.is<form::ComboBox>() || e.is<form::ListBox>() || e.is<form::Editor>();
}

TEST_F(PlacesTest, EveryControlStandsWithinItsContainerAndTheTabKeyReachesEveryInput) {
    wizard::Form1& form = load();
    const form::Place client{0, 0, wizard::Form1::kClientWidth, wizard::Form1::kClientHeight};
    std::set<int> tabIndexes;
    for (const form::ControlEntry& e : form.controls()) {
        SCOPED_TRACE(e.name());
        if (e.is<form::MenuItem>()) continue;
        ASSERT_TRUE(e.place);
        const form::Place& at = *e.place;
        EXPECT_GT(at.width, 0);
        EXPECT_GT(at.height, 0);
        const form::Place within = e.container ? *form.controls().entry(e.container->name)->place : client;
        EXPECT_GE(at.left, 0);
        EXPECT_GE(at.top, 0);
        EXPECT_LE(at.right(), within.width);
        EXPECT_LE(at.bottom(), within.height);
        // The help box only shows; every control a user fills in is reached.
        if (takesFocus(e) && e.name() != "txtHelp") EXPECT_TRUE(tabIndexes.insert(e.tabIndex).second) << e.tabIndex;
        else EXPECT_EQ(e.tabIndex, -1);
    }
}

TEST_F(PlacesTest, TheStepFramesShareOnePlaceBesideTheStepList) {
    wizard::Form1& form = load();
    const form::Place frame = *form.controls().entry("Frame1")->place;
    for (int step = 2; step <= 10; ++step) {
        const form::Place other = *form.controls().entry("Frame" + std::to_string(step))->place;
        EXPECT_EQ(std::tie(other.left, other.top, other.width, other.height),
                  std::tie(frame.left, frame.top, frame.width, frame.height))
            << step;
    }
    const form::Place steps = *form.controls().entry("Mainmenu")->place;
    EXPECT_LE(steps.right(), frame.left);
}

}  // namespace
}  // namespace pelin::testing
