#include <gtest/gtest.h>

#include "form/win32/clipboard.h"

namespace pelin::form::win32 {
namespace {

TEST(Win32Clipboard, JapaneseTextGoesThereAndBackWhole) {
    Win32Clipboard clipboard;
    const Text text = u"ぺりん　メモ帳\r\n二行目 𠮷";
    clipboard.setText(text);
    EXPECT_TRUE(clipboard.hasText());
    EXPECT_EQ(clipboard.text(), text);
    // Read by another reader, as another program would.
    EXPECT_EQ(Win32Clipboard().text(), text);
    clipboard.setText(u"次");
    EXPECT_EQ(clipboard.text(), u"次");
}

}  // namespace
}  // namespace pelin::form::win32
