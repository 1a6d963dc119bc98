// Start-up reads about fifty keys and a save writes thirty-five, each one opening
// the file anew; on a file of two hundred lines both must stay well within a
// blink. Prints the figures and fails only far beyond them.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "settings/answer_keys.h"
#include "settings/settings_file.h"
#include "settings_test_folder.h"

namespace pelin::settings {
namespace {

using SpeedTest = SettingsFolderTest;

// Thirty-five keys named as the answers are ("…S").
std::vector<std::u16string> answerLikeKeys() {
    std::vector<std::u16string> keys;
    for (int i = 1; i <= 35; ++i) {
        const std::string name = "Answer" + std::to_string(i) + "S";
        keys.emplace_back(name.begin(), name.end());
    }
    return keys;
}

TEST_F(SpeedTest, FiftyReadsAndThirtyFiveWritesOnTwoHundredLines) {
    const std::vector<std::u16string> keys = answerLikeKeys();
    std::string file = "; kept by hand\r\n[Setei]\r\n";
    for (const std::u16string& key : keys) {
        file += std::string(key.begin(), key.end()) + "=\x82\xD8\x82\xE8\x82\xF1 value\r\n";
    }
    for (int line = 2 + static_cast<int>(keys.size()); line < 200; ++line) {
        file += line % 40 == 0 ? "[Extra" + std::to_string(line) + "]\r\n"
                               : "Unknown" + std::to_string(line) + "=some earlier value, kept as it is\r\n";
    }
    putFile(file);
    SettingsFile settings(folder_);
    using Clock = std::chrono::steady_clock;

    const auto readStart = Clock::now();
    std::size_t found = 0;
    for (int round = 0; round < 50; ++round) {
        const std::u16string& key = keys[static_cast<std::size_t>(round) % keys.size()];
        found += settings.ReadSetting(kSectionSetei, key).empty() ? 0 : 1;
    }
    const double readMs = std::chrono::duration<double, std::milli>(Clock::now() - readStart).count();

    const auto writeStart = Clock::now();
    for (const std::u16string& key : keys) EXPECT_TRUE(settings.WriteSetting(kSectionSetei, key, u"新しい値"));
    const double writeMs = std::chrono::duration<double, std::milli>(Clock::now() - writeStart).count();

    std::vector<SettingValue> save;
    for (const std::u16string& key : keys) save.push_back({key, u"保存した値"});
    const auto saveStart = Clock::now();
    EXPECT_TRUE(settings.WriteSettings(kSectionSetei, save));
    const double saveMs = std::chrono::duration<double, std::milli>(Clock::now() - saveStart).count();

    std::printf(
        "settings file of %zu bytes: 50 reads %.2f ms, 35 single writes %.2f ms, "
        "a save of 35 keys %.2f ms\n",
        file.size(), readMs, writeMs, saveMs);
    EXPECT_EQ(found, 50u);
    EXPECT_EQ(settings.ReadSetting(kSectionSetei, keys.back()), u"保存した値");
    EXPECT_LT(readMs, 200.0);
    EXPECT_LT(saveMs, 200.0);
    // Each single write synchronises the disk; only a gross regression fails here.
    EXPECT_LT(writeMs, 5000.0);
}

}  // namespace
}  // namespace pelin::settings
