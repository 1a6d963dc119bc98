#include <gtest/gtest.h>

#include <vector>

#include "shell/win32/system_shell.h"

namespace pelin::shell::win32 {
namespace {

TEST(SystemShell, AnAddressNoProgramOpensIsReportedOnceAtOnce) {
    SystemShell shell;
    std::vector<Text> reasons;
    shell.openInBrowser(u"pelin-no-such-scheme:page", [&](Text reason) { reasons.push_back(std::move(reason)); });
    ASSERT_EQ(reasons.size(), 1u);
    // The program's words first, then the system's own.
    EXPECT_EQ(reasons[0].rfind(u"ウェブページを開くプログラム", 0), 0u);
    EXPECT_NE(reasons[0].find(u"\r\n"), Text::npos);
}

}  // namespace
}  // namespace pelin::shell::win32
