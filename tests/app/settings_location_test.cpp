#include "app/settings_location.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace pelin::app {
namespace {

TEST(SettingsLocation, ProgramFolderWhenFilesCanBeCreatedThere) {
    testing::TempDir program, user;
    EXPECT_EQ(chooseSettingsFolder(program.path(), user / "config"), program.path());
    // The probe leaves nothing behind.
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));
    EXPECT_FALSE(std::filesystem::exists(user / "config"));
}

TEST(SettingsLocation, UserFolderWhenTheProgramFolderCannotTakeFiles) {
    testing::TempDir user;
    // A "folder" that is a file stands for a folder the user may not write to
    // (permissions do not stop the test's root user).
    const auto notAFolder = user.write("pelin", "not a folder");
    const auto config = user / "config" / "pelin";
    EXPECT_EQ(chooseSettingsFolder(notAFolder, config), config);
    EXPECT_TRUE(std::filesystem::is_directory(config));
    EXPECT_EQ(chooseSettingsFolder(user / "missing", config), config);
    EXPECT_FALSE(canCreateFilesIn({}));
}

TEST(SettingsLocation, UserCharactersOnlyWhereTheProgramFolderTakesNoFiles) {
    testing::TempDir program, user;
    EXPECT_EQ(chooseUserCharacterFolder(program.path(), user.path()), std::filesystem::path());
    EXPECT_EQ(chooseUserCharacterFolder(user.write("pelin", "not a folder"), user.path()), user.path());
}

TEST(SettingsLocation, UserFolderFollowsXdgConfigHome) {
    testing::TempDir home;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home.path().native()));
    EXPECT_EQ(userSettingsFolder(), home / "pelin");
    if (old.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
    else qputenv("XDG_CONFIG_HOME", old);
}

}  // namespace
}  // namespace pelin::app
