// pelin-convert's plan of a batch: which page each source gets, and which sources
// are not converted because their page would land on another page or a source.
#include "page_plan.h"

#include <gtest/gtest.h>

namespace pelin::convert {
namespace {

using Clash = PlannedPage::Clash;
using Paths = std::vector<std::filesystem::path>;

platform::FileKey lexical(const std::filesystem::path& p) { return {0, 0, p.lexically_normal()}; }

TEST(PagePlan, EachSourceGetsItsNameWithHtmInTheFolder) {
    const Paths sources{"d1/a.txt", "b.text", "c", "d.tar.gz"};
    const std::vector<PlannedPage> plan = planPagesInFolder("od", sources, lexical);
    ASSERT_EQ(plan.size(), 4u);
    EXPECT_EQ(plan[0].page, "od/a.htm");
    EXPECT_EQ(plan[1].page, "od/b.htm");
    EXPECT_EQ(plan[2].page, "od/c.htm");
    EXPECT_EQ(plan[3].page, "od/d.tar.htm");
    for (const PlannedPage& p : plan) EXPECT_EQ(p.clash, Clash::None) << p.source;
}

TEST(PagePlan, SourcesThatWouldShareAPageAreAllRefusedAndTheOthersKept) {
    const Paths sources{"d1/x.txt", "y.txt", "d2/x.txt", "x.text"};
    const std::vector<PlannedPage> plan = planPagesInFolder("od", sources, lexical);
    EXPECT_EQ(plan[0].clash, Clash::SharedPage);
    EXPECT_EQ(plan[0].clashesWith, "d2/x.txt");
    EXPECT_EQ(plan[1].clash, Clash::None);
    EXPECT_EQ(plan[2].clash, Clash::SharedPage);
    EXPECT_EQ(plan[2].clashesWith, "d1/x.txt");
    EXPECT_EQ(plan[3].clash, Clash::SharedPage);
}

TEST(PagePlan, APageThatWouldReplaceASourceIsRefused) {
    // Its own source, written another way.
    std::vector<PlannedPage> plan = planPagesInFolder("od", Paths{"od/./p.htm"}, lexical);
    EXPECT_EQ(plan[0].clash, Clash::ReplacesSource);
    EXPECT_EQ(plan[0].clashesWith, "od/./p.htm");

    // Another source: a.txt's page is od/a.htm, which is given as a source too.
    plan = planPagesInFolder("od", Paths{"a.txt", "b.txt", "od/a.htm"}, lexical);
    EXPECT_EQ(plan[0].clash, Clash::ReplacesSource);
    EXPECT_EQ(plan[0].clashesWith, "od/a.htm");
    EXPECT_EQ(plan[1].clash, Clash::None);
    EXPECT_EQ(plan[2].clash, Clash::ReplacesSource);

    EXPECT_EQ(planPage("a.txt", "sub/../a.txt", lexical)[0].clash, Clash::ReplacesSource);
    EXPECT_EQ(planPage("a.txt", "a.htm", lexical)[0].clash, Clash::None);
}

}  // namespace
}  // namespace pelin::convert
