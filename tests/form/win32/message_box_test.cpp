#include <gtest/gtest.h>

#include "form/win32/message_box.h"

namespace pelin::form::win32 {
namespace {

TEST(Win32MessageBox, TheProgramsFlagsAreTheSystemsButtonsAndIcons) {
    EXPECT_EQ(messageBoxStyle(kMbQuestion, true) & (MB_TYPEMASK | MB_ICONMASK), UINT{MB_YESNO | MB_ICONQUESTION});
    EXPECT_EQ(messageBoxStyle(kMbWarning, true) & (MB_TYPEMASK | MB_ICONMASK), UINT{MB_OK | MB_ICONEXCLAMATION});
    EXPECT_EQ(messageBoxStyle(kMbYesNoCancel | kMbIconQuestion, true) & MB_TYPEMASK, UINT{MB_YESNOCANCEL});
    // A box without an owner still keeps the program's windows waiting.
    EXPECT_TRUE(messageBoxStyle(kMbWarning, false) & MB_TASKMODAL);
    EXPECT_FALSE(messageBoxStyle(kMbWarning, true) & MB_TASKMODAL);
}

}  // namespace
}  // namespace pelin::form::win32
