#pragma once
// A fresh, empty folder for one test's settings file, removed afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace pelin::settings {

class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  (std::string("pelin-settings-") + info->test_suite_name() + "-" + info->name());
        testing::removeTree(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { testing::removeTree(folder_); }

    std::string fileBytes() const {
        platform::Result<std::string> bytes = platform::readFile(folder_ / "Pelin.ini");
        EXPECT_TRUE(bytes);
        return bytes ? *bytes : std::string();
    }
    void putFile(std::string_view bytes) const { ASSERT_TRUE(platform::replaceFile(folder_ / "Pelin.ini", bytes)); }

    std::filesystem::path folder_;
};

}  // namespace pelin::settings
