#pragma once
// A fresh, empty folder for one test's settings file, removed afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files.h"

namespace pelin::settings {

class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  (std::string("pelin-settings-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(folder_, ec);
    }

    std::string fileBytes() const {
        platform::Result<std::string> bytes = platform::readFile(folder_ / "Pelin.ini");
        EXPECT_TRUE(bytes);
        return bytes ? *bytes : std::string();
    }
    void putFile(std::string_view bytes) const {
        ASSERT_TRUE(platform::replaceFile(folder_ / "Pelin.ini", bytes));
    }

    std::filesystem::path folder_;
};

}  // namespace pelin::settings
