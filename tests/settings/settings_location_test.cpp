#include "settings/settings_location.h"

#include <gtest/gtest.h>

#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace pelin::settings {
namespace {

TEST(SettingsLocation, ProgramFolderWhenFilesCanBeCreatedThere) {
    testing::TempDir program, user;
    EXPECT_EQ(chooseSettingsFolder(program.path(), user / "config"), program.path());
    // The probe leaves nothing behind.
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));
    EXPECT_FALSE(std::filesystem::exists(user / "config"));
}

TEST(SettingsLocation, AnInstalledProgramKeepsNoSettingsBesideItselfWhereverItCouldWrite) {
    testing::TempDir prefix, user;
    const auto program = prefix / "lib" / "pelin";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(prefix / "share" / "pelin");
    prefix.write("share/pelin/readme.txt", "readme");
    EXPECT_EQ(chooseSettingsFolder(program, user / "config"), user / "config");
    EXPECT_TRUE(std::filesystem::is_empty(program));

#ifdef _WIN32
    testing::ScopedEnv programFiles("ProgramFiles", "C:\\Program Files");
    EXPECT_TRUE(isSystemFolder("c:\\program files\\Pelin"));
    EXPECT_FALSE(isSystemFolder("C:\\Program Files Copy\\Pelin"));
#else
    EXPECT_TRUE(isSystemFolder("/usr/lib/pelin"));
    EXPECT_TRUE(isSystemFolder("/opt/pelin/"));
    EXPECT_FALSE(isSystemFolder("/usr-copy/pelin"));
#endif
    // A folder the program was built into, or copied to, is none.
    EXPECT_FALSE(isSystemFolder(prefix.path()));
}

TEST(SettingsLocation, UserFolderWhenTheProgramFolderCannotTakeFilesCreatedOnlyWhenAsked) {
    testing::TempDir user;
    // A "folder" that is a file stands for a folder the user may not write to
    // (permissions do not stop the test's root user).
    const auto notAFolder = user.write("pelin", "not a folder");
    const auto config = user / "config" / "pelin";
    EXPECT_EQ(chooseSettingsFolder(notAFolder, config), config);
    EXPECT_EQ(chooseSettingsFolder(user / "missing", config), config);
    EXPECT_EQ(chooseSettingsFolder({}, config), config);
    EXPECT_FALSE(std::filesystem::exists(user / "config"));

    EXPECT_TRUE(createSettingsFolder(config));
    EXPECT_TRUE(std::filesystem::is_directory(config));
    EXPECT_FALSE(createSettingsFolder(notAFolder / "pelin"));
}

TEST(SettingsLocation, UserCharactersOnlyWhereTheProgramFolderTakesNoFiles) {
    testing::TempDir program, user;
    EXPECT_EQ(chooseUserCharacterFolder(program.path(), user.path()), std::filesystem::path());
    EXPECT_EQ(chooseUserCharacterFolder(user.write("pelin", "not a folder"), user.path()), user.path());
}

TEST(SettingsLocation, AnInstalledProgramsFilesLieInTheSharedDataFolderElseBesideIt) {
    testing::TempDir prefix;
    const auto program = prefix / "lib" / "pelin";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(prefix / "share" / "pelin");
    // A folder without the readme is none of the program's (the user's own
    // characters may lie in a folder of that name).
    EXPECT_EQ(chooseDataFolder(program), program);
    prefix.write("share/pelin/readme.txt", "readme");
    // The path the build sets matches where the install puts the files.
    EXPECT_EQ(chooseDataFolder(program), prefix / "share" / "pelin");
    // A program copied with its files, or run where it was built, keeps them beside itself.
    testing::TempDir folder;
    folder.write("readme.txt", "readme");
    EXPECT_EQ(chooseDataFolder(folder.path()), folder.path());
}

#ifdef _WIN32
TEST(SettingsLocation, UserFolderIsPelinInTheUsersApplicationData) {
    testing::TempDir roaming;
    {
        testing::ScopedEnv appData("APPDATA", roaming.path().string());
        EXPECT_EQ(userSettingsFolder(), roaming / "pelin");
    }
    // Without the variable, Windows is asked where the folder is.
    testing::ScopedEnv unset("APPDATA", "");
    EXPECT_TRUE(userSettingsFolder().is_absolute());
    EXPECT_EQ(userSettingsFolder().filename(), "pelin");
}
#else
TEST(SettingsLocation, UserFolderFollowsXdgConfigHomeElseTheHomeFolder) {
    testing::TempDir home;
    testing::ScopedEnv homeVariable("HOME", home.path().string());
    {
        testing::ScopedEnv config("XDG_CONFIG_HOME", (home / "xdg").string());
        EXPECT_EQ(userSettingsFolder(), home / "xdg" / "pelin");
    }
    // A relative XDG_CONFIG_HOME is not one.
    testing::ScopedEnv relative("XDG_CONFIG_HOME", "xdg");
    EXPECT_EQ(userSettingsFolder(), home / ".config" / "pelin");
}
#endif

}  // namespace
}  // namespace pelin::settings
