// What prints once, on every page or per column: first and last page flags
// of page headers and footers, StartNewPage, the overlay, reprinted headers,
// the summary, column headers and footers, page columns and band columns.
#include "enginefixture.h"

#include "report/model/tfrxcolumnfooter.h"
#include "report/model/tfrxcolumnheader.h"
#include "report/model/tfrxfooter.h"
#include "report/model/tfrxheader.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxoverlay.h"
#include "report/model/tfrxpagefooter.h"
#include "report/model/tfrxpageheader.h"
#include "report/model/tfrxreportsummary.h"
#include "report/model/tfrxreporttitle.h"

namespace {

using PagesTest = EngineFixture;

struct PageFlagCase {
    const char *name;
    bool headerOnFirst, footerOnFirst, footerOnLast;
    QStringList expected;
};

class PageFlagTest : public EngineFixture, public ::testing::WithParamInterface<PageFlagCase> {};

// Three pages of rows (two rows of 40 per page, footer 20).
TEST_P(PageFlagTest, HeaderAndFooterOnFirstAndLastPage)
{
    auto *header = add<TfrxPageHeader>("PH", 0, 0);
    auto *footer = add<TfrxPageFooter>("PF", 90, 20);
    rows<TfrxMasterData>("Rows", 10, 40, 5);
    header->SetPrintOnFirstPage(GetParam().headerOnFirst);
    footer->SetPrintOnFirstPage(GetParam().footerOnFirst);
    footer->SetPrintOnLastPage(GetParam().footerOnLast);
    QStringList got;
    for (const QString &r : run())
        if (r.contains("PH") || r.contains("PF"))
            got << r;
    EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PageFlagTest,
    ::testing::Values(
        PageFlagCase{"All", true, true, true, {"1:PH@0", "1:PF@80", "2:PH@0", "2:PF@80", "3:PH@0", "3:PF@80"}},
        PageFlagCase{"NotOnFirst", false, false, true, {"2:PH@0", "2:PF@80", "3:PH@0", "3:PF@80"}},
        PageFlagCase{"FooterNotOnLast", true, true, false, {"1:PH@0", "1:PF@80", "2:PH@0", "2:PF@80", "3:PH@0"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PagesTest, EveryOutputPageStartsAnOutlineItemAtTheTop)
{
    // No expression hook: the outline texts are taken as they are.
    page->SetOutlineText("Sayfa");
    rows<TfrxMasterData>("M", 0, 30, 4)->SetOutlineText("Satır");
    EXPECT_EQ(run(), QStringList({"1:M@0", "1:M@30", "1:M@60", "2:M@0"}));
    EXPECT_EQ(store.outline.log.join(' '),
              "root Sayfa@1:0 Satır@1:0 up Satır@1:30 up Satır@1:60 up root Sayfa@2:0 Satır@2:0 up");
}

TEST_F(PagesTest, StartNewPageNeverOpensAPageForTheFirstRow)
{
    add<TfrxReportTitle>("Title", 0, 10);
    rows<TfrxMasterData>("Rows", 10, 10, 2)->SetStartNewPage(true);
    add<TfrxReportSummary>("Sum", 30, 10)->SetStartNewPage(true);
    EXPECT_EQ(run(), QStringList({"1:Title@0", "1:Rows@10", "2:Rows@0", "3:Sum@0"}));
}

TEST_F(PagesTest, OverlayUnderEveryPageLeavesThePositionAlone)
{
    add<TfrxOverlay>("Over", 0, 100);
    add<TfrxPageHeader>("PH", 10, 10);
    rows<TfrxMasterData>("Rows", 30, 50, 2);
    EXPECT_EQ(run(), QStringList({"1:Over@0", "1:PH@0", "1:Rows@10", "2:Over@0", "2:PH@0", "2:Rows@10"}));
}

TEST_F(PagesTest, ReprintedHeaderOnEveryPageOfItsRowsOnly)
{
    auto *header = add<TfrxHeader>("Header", 0, 10);
    header->SetReprintOnNewPage(true);
    rows<TfrxMasterData>("Rows", 10, 30, 4);
    add<TfrxFooter>("Footer", 50, 10);
    add<TfrxReportSummary>("Sum", 70, 60);
    // Three rows fill page 1 exactly; the summary no longer gets the header.
    EXPECT_EQ(run(), QStringList({"1:Header@0", "1:Rows@10", "1:Rows@40", "1:Rows@70", "2:Header@0", "2:Rows@10",
                                  "2:Footer@40", "3:Sum@0"}));
}

TEST_F(PagesTest, ColumnHeaderOnEveryPageColumnFooterUnderTheLastBand)
{
    add<TfrxPageHeader>("PH", 0, 10);
    add<TfrxColumnHeader>("CH", 10, 5);
    add<TfrxColumnFooter>("CF", 90, 5);
    rows<TfrxMasterData>("Rows", 30, 30, 3);
    // 100 - 5 reserved: 15 + 2 x 30 = 75, a third row would end at 105.
    EXPECT_EQ(run(), QStringList({"1:PH@0", "1:CH@10", "1:Rows@15", "1:Rows@45", "1:CF@75", "2:PH@0", "2:CH@10",
                                  "2:Rows@15", "2:CF@45"}));
}

TEST_F(PagesTest, PageColumnsFillLeftColumnFirst)
{
    page->SetColumns(2);
    page->SetColumnPositions({"0", "100"}); // 100 mm = 377.953 px
    add<TfrxReportTitle>("Title", 0, 20);
    add<TfrxColumnHeader>("CH", 10, 10);
    rows<TfrxMasterData>("Rows", 30, 30, 5);
    // Column 1: 20 + 10 header, rows at 30 and 60. Column 2 starts under the
    // title again with its own header. Then a new page.
    EXPECT_EQ(run(), QStringList({"1:Title@0", "1:CH@20", "1:Rows@30", "1:Rows@60", "1:CH@377.953,20",
                                  "1:Rows@377.953,30", "1:Rows@377.953,60", "2:CH@0", "2:Rows@10"}));
}

TEST_F(PagesTest, BandColumnsFillOneColumnBeforeTheNext)
{
    auto *band = rows<TfrxMasterData>("Rows", 0, 30, 5);
    band->SetColumns(2);
    band->SetColumnWidth(60);
    band->SetColumnGap(10);
    add<TfrxFooter>("Footer", 40, 10);
    // Three rows fill column 1 (to 90); rows 4 and 5 go to column 2 at 60 + 10.
    EXPECT_EQ(run(), QStringList({"1:Rows@0", "1:Rows@30", "1:Rows@60", "1:Rows@70,0", "1:Rows@70,30",
                                  "1:Footer@90"}));
}

TEST_F(PagesTest, TitleJoinsThePreviousPageWhenThePageSaysSo)
{
    rows<TfrxMasterData>("Rows", 0, 30, 1);
    auto *second = new TfrxReportPage(&report);
    second->SetName("Page2");
    second->SetTopMargin(0);
    second->SetBottomMargin(0);
    second->SetPaperHeight(100 / 3.77953);
    second->SetPrintOnPreviousPage(true);
    add<TfrxReportTitle>("Title2", 0, 20, second);
    EXPECT_EQ(run(), QStringList({"1:Rows@0", "1:Title2@30"}));
}

struct RepeatCase {
    const char *name;
    bool onReport;
};

class PageRepeatTest : public EngineFixture, public ::testing::WithParamInterface<RepeatCase> {};

// Two records in the report's or the page's dataset: the page runs once per
// record, each run with its own title and its own rows.
TEST_P(PageRepeatTest, PageRunsOncePerRecord)
{
    TfrxUserDataSet people;
    people.SetRangeEnd(TfrxRangeEnd::reCount);
    people.SetRangeEndCount(2);
    if (GetParam().onReport)
        report.SetDataSet(&people);
    else
        page->SetDataSet(&people);
    add<TfrxReportTitle>("Title", 0, 10);
    rows<TfrxMasterData>("Rows", 20, 10, 2);
    EXPECT_EQ(run(), QStringList({"1:Title@0", "1:Rows@10", "1:Rows@20", "2:Title@0", "2:Rows@10", "2:Rows@20"}));
}

INSTANTIATE_TEST_SUITE_P(Datasets, PageRepeatTest,
                         ::testing::Values(RepeatCase{"Report", true}, RepeatCase{"Page", false}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
