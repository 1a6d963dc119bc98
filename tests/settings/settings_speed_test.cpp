// Start-up reads about fifty keys and a save writes thirty-five, each one opening
// the file anew; on a file of two hundred lines both must stay well within a
// blink. Prints the figures and fails only far beyond them.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

#include <cstdint>
#include <cstdio>
#include <vector>

#include "settings/answer_keys.h"
#include "settings/settings_file.h"
#include "settings_test_folder.h"

namespace pelin::settings {
namespace {

using SpeedTest = SettingsFolderTest;

// The processor time this process has taken so far, in milliseconds. The
// figures are measured in it rather than on the wall clock, which a busy machine
// (CI building beside the tests) stretches several times over and would fail
// the test by chance.
double processorMs() {
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        ADD_FAILURE() << "GetProcessTimes failed with error " << GetLastError();
        return 0.0;
    }
    const auto hundredsOfNs = [](FILETIME t) { return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return static_cast<double>(hundredsOfNs(kernel) + hundredsOfNs(user)) / 10'000.0;
#else
    timespec now{};
    if (::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now) != 0) ADD_FAILURE() << "clock_gettime failed";
    return static_cast<double>(now.tv_sec) * 1'000.0 + static_cast<double>(now.tv_nsec) / 1'000'000.0;
#endif
}

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

    const double readStart = processorMs();
    std::size_t found = 0;
    for (int round = 0; round < 50; ++round) {
        const std::u16string& key = keys[static_cast<std::size_t>(round) % keys.size()];
        found += settings.ReadSetting(kSectionSetei, key).empty() ? 0 : 1;
    }
    const double readMs = processorMs() - readStart;

    const double writeStart = processorMs();
    for (const std::u16string& key : keys) EXPECT_TRUE(settings.WriteSetting(kSectionSetei, key, u"新しい値"));
    const double writeMs = processorMs() - writeStart;

    std::vector<SettingValue> save;
    for (const std::u16string& key : keys) save.push_back({key, u"保存した値"});
    const double saveStart = processorMs();
    EXPECT_TRUE(settings.WriteSettings(kSectionSetei, save));
    const double saveMs = processorMs() - saveStart;

    std::printf(
        "settings file of %zu bytes, processor time: 50 reads %.2f ms, 35 single writes %.2f ms, "
        "a save of 35 keys %.2f ms\n",
        file.size(), readMs, writeMs, saveMs);
    EXPECT_EQ(found, 50u);
    EXPECT_EQ(settings.ReadSetting(kSectionSetei, keys.back()), u"保存した値");
    EXPECT_LT(readMs, 200.0);
    EXPECT_LT(saveMs, 200.0);
    // Each single write synchronises the disk, which costs more than processor
    // time shows; only a gross regression fails here.
    EXPECT_LT(writeMs, 5000.0);
}

}  // namespace
}  // namespace pelin::settings
