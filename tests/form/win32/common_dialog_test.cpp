// What the system's file and colour dialogs are given for the program's
// filters and flags.
#include <gtest/gtest.h>

#include <string>

#include "form/win32/common_dialog_backend.h"
#include "form/win32/file_filter.h"

// clang-format off
#include <commdlg.h>
// clang-format on

namespace pelin::form::win32 {
namespace {

using namespace std::string_literals;

TEST(FileFilter, PairsBecomeTheSystemsNulSeparatedList) {
    const FileFilterList filters = toFilterList(u"テキスト(*.txt)|*.txt|HTML|*.htm; *.html |すべて||");
    EXPECT_EQ(filters.count, 3);
    EXPECT_EQ(filters.list, L"テキスト(*.txt)\0*.txt\0HTML\0*.htm;*.html\0すべて\0*.*\0\0"s);
}

TEST(FileFilter, NoFilterGivesNoList) {
    EXPECT_EQ(toFilterList(u"").count, 0);
    EXPECT_TRUE(toFilterList(u"").list.empty());
    EXPECT_EQ(toFilterList(u"a description without a pattern").count, 0);
}

TEST(FileFilter, AnIndexOutsideTheFiltersStartsAtTheFirst) {
    EXPECT_EQ(startFilterIndex(2, 3), 2);
    EXPECT_EQ(startFilterIndex(0, 3), 1);
    EXPECT_EQ(startFilterIndex(4, 3), 1);
}

TEST(FileFilter, DefaultExtensionOnlyForANameWithoutOne) {
    EXPECT_EQ(withDefaultExtension(u"C:\\pages\\page", u"htm"), u"C:\\pages\\page.htm");
    EXPECT_EQ(withDefaultExtension(u"C:\\pages\\page", u".htm"), u"C:\\pages\\page.htm");
    EXPECT_EQ(withDefaultExtension(u"C:\\pages\\page.html", u"htm"), u"C:\\pages\\page.html");
    // A dot in a folder's name is not the file's extension.
    EXPECT_EQ(withDefaultExtension(u"C:\\v1.2\\page", u"htm"), u"C:\\v1.2\\page.htm");
    EXPECT_EQ(withDefaultExtension(u"C:\\pages\\page", u""), u"C:\\pages\\page");
}

TEST(FileDialogFlags, MustExistForOpenOnlyAndTheProgramAsksBeforeReplacing) {
    EXPECT_TRUE(fileDialogFlags(kCdlFileMustExist, false) & OFN_FILEMUSTEXIST);
    EXPECT_FALSE(fileDialogFlags(0, false) & OFN_FILEMUSTEXIST);
    EXPECT_FALSE(fileDialogFlags(kCdlOverwritePrompt, true) & OFN_OVERWRITEPROMPT);
    // No dialog moves the program's current folder.
    for (const bool save : {false, true}) EXPECT_TRUE(fileDialogFlags(0, save) & OFN_NOCHANGEDIR);
}

TEST(ColourDialogFlags, FullOpenAndStartColourOnlyWhenAsked) {
    EXPECT_EQ(colourDialogFlags(0) & (CC_FULLOPEN | CC_RGBINIT), 0u);
    EXPECT_EQ(colourDialogFlags(kCdlColorFullOpen) & (CC_FULLOPEN | CC_RGBINIT), DWORD{CC_FULLOPEN});
    EXPECT_EQ(colourDialogFlags(kCdlColorRgbInit) & (CC_FULLOPEN | CC_RGBINIT), DWORD{CC_RGBINIT});
}

}  // namespace
}  // namespace pelin::form::win32
