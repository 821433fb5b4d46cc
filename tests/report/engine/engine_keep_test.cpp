// Keep options and child bands: output kept together moves to the next page
// as a whole when a band of it does not fit, and stays where it is when it
// already starts the page (moving it would leave an empty page behind).
#include "enginefixture.h"

#include "report/model/tfrxchild.h"
#include "report/model/tfrxdetaildata.h"
#include "report/model/tfrxfooter.h"
#include "report/model/tfrxheader.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxreporttitle.h"

namespace {

struct KeepCase {
    const char *name;
    bool keep;
    QStringList expected;
};

class HeaderKeepTest : public EngineFixture, public ::testing::WithParamInterface<KeepCase> {};

// Title 75, header 10 fits (85), the first row of 20 does not.
TEST_P(HeaderKeepTest, HeaderGoesWithTheFirstRow)
{
    add<TfrxReportTitle>("Title", 0, 75);
    add<TfrxHeader>("Header", 10, 10);
    rows<TfrxMasterData>("Rows", 20, 20, 1)->SetKeepHeader(GetParam().keep);
    EXPECT_EQ(run(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keep, HeaderKeepTest,
    ::testing::Values(KeepCase{"Off", false, {"1:Title@0", "1:Header@75", "2:Rows@0"}},
                      KeepCase{"On", true, {"1:Title@0", "2:Header@0", "2:Rows@10"}}),
    [](const auto &info) { return std::string(info.param.name); });

class ChildKeepTest : public EngineFixture, public ::testing::WithParamInterface<KeepCase> {};

// Title 70: the band (20) fits, its child (20) does not.
TEST_P(ChildKeepTest, ChildGoesWithItsBand)
{
    add<TfrxReportTitle>("Title", 0, 70);
    auto *band = rows<TfrxMasterData>("Band", 10, 20, 1);
    band->SetChild(add<TfrxChild>("Child", 40, 20));
    band->SetKeepChild(GetParam().keep);
    EXPECT_EQ(run(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keep, ChildKeepTest,
    ::testing::Values(KeepCase{"Off", false, {"1:Title@0", "1:Band@70", "2:Child@0"}},
                      KeepCase{"On", true, {"1:Title@0", "2:Band@0", "2:Child@20"}}),
    [](const auto &info) { return std::string(info.param.name); });

// Title 70; the kept row (20) and its first detail row (10) fill page 1, the
// second detail row does not fit: all of the row moves, with its outline item.
TEST_F(EngineFixture, KeptOutputTakesItsOutlineItemsAlong)
{
    add<TfrxReportTitle>("Title", 0, 70);
    auto *master = rows<TfrxMasterData>("M", 10, 20, 1);
    master->SetKeepTogether(true);
    master->SetOutlineText("Satır");
    rows<TfrxDetailData>("D", 40, 10, 2);
    EXPECT_EQ(run(), QStringList({"1:Title@0", "2:M@0", "2:D@20", "2:D@30"}));
    // The item was added at 70 on page 1; the kept output now starts at 0.
    EXPECT_EQ(store.outline.log.join(' '), "Satır@1:70 shift 0 by -70 up");
}

class FooterKeepTest : public EngineFixture, public ::testing::WithParamInterface<KeepCase> {};

// Title 30, three rows of 20 end at 90, the footer (15) does not fit.
TEST_P(FooterKeepTest, FooterTakesTheLastRowAlong)
{
    add<TfrxReportTitle>("Title", 0, 30);
    rows<TfrxMasterData>("Rows", 10, 20, 3)->SetKeepFooter(GetParam().keep);
    add<TfrxFooter>("Footer", 40, 15);
    EXPECT_EQ(run(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keep, FooterKeepTest,
    ::testing::Values(KeepCase{"Off", false, {"1:Title@0", "1:Rows@30", "1:Rows@50", "1:Rows@70", "2:Footer@0"}},
                      KeepCase{"On", true, {"1:Title@0", "1:Rows@30", "1:Rows@50", "2:Rows@0", "2:Footer@20"}}),
    [](const auto &info) { return std::string(info.param.name); });

class TogetherKeepTest : public EngineFixture, public ::testing::WithParamInterface<KeepCase> {};

// Title 50; every master row (10) has three detail rows (10). The second
// master row starts at 90 and its details do not fit under it.
TEST_P(TogetherKeepTest, RowStaysWithItsDetails)
{
    add<TfrxReportTitle>("Title", 0, 50);
    rows<TfrxMasterData>("M", 10, 10, 2)->SetKeepTogether(GetParam().keep);
    rows<TfrxDetailData>("D", 30, 10, 3);
    EXPECT_EQ(run(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keep, TogetherKeepTest,
    ::testing::Values(KeepCase{"Off", false, {"1:Title@0", "1:M@50", "1:D@60", "1:D@70", "1:D@80", "1:M@90",
                                              "2:D@0", "2:D@10", "2:D@20"}},
                      KeepCase{"On", true, {"1:Title@0", "1:M@50", "1:D@60", "1:D@70", "1:D@80", "2:M@0",
                                            "2:D@10", "2:D@20", "2:D@30"}}),
    [](const auto &info) { return std::string(info.param.name); });

using KeepEdgeTest = EngineFixture;

TEST_F(KeepEdgeTest, RepeatedHeaderMovedWithItsRowIsNotPrintedTwice)
{
    add<TfrxReportTitle>("Title", 0, 75);
    add<TfrxHeader>("Header", 10, 10)->SetReprintOnNewPage(true);
    rows<TfrxMasterData>("Rows", 20, 20, 1)->SetKeepHeader(true);
    EXPECT_EQ(run(), QStringList({"1:Title@0", "2:Header@0", "2:Rows@10"}));
}

TEST_F(KeepEdgeTest, KeptOutputTallerThanAPageDoesNotLeaveAnEmptyPage)
{
    // The kept block starts at the top of page 1 and needs 10 + 10 x 10: it
    // cannot fit anywhere, so it breaks where it must and nothing moves.
    rows<TfrxMasterData>("M", 0, 10, 1)->SetKeepTogether(true);
    rows<TfrxDetailData>("D", 20, 10, 10);
    const QStringList records = run();
    ASSERT_EQ(store.pages.size(), 2);
    EXPECT_EQ(records.first(), "1:M@0");
    EXPECT_EQ(records.count("1:D@90"), 1);
    EXPECT_EQ(records.last(), "2:D@0");
}

TEST_F(KeepEdgeTest, ChildPrintsAfterAnInvisibleBandOnlyWhenAsked)
{
    auto *band = rows<TfrxMasterData>("Band", 0, 20, 1);
    band->SetVisible(false);
    band->SetChild(add<TfrxChild>("Child", 40, 20));
    EXPECT_EQ(run(), QStringList());
    band->SetPrintChildIfInvisible(true);
    EXPECT_EQ(run(), QStringList({"1:Child@0"}));
}

} // namespace
