// Band placement on hand-built reports, recorded by a store that keeps the
// page, the band and its position: page objects, title, page header repeated
// on every page, the page footer at the page bottom, master and detail rows,
// the footer's line count, and page breaks when a band does not fit.
#include "report/engine/tfrxengine.h"
#include "report/engine/tfrxuserdataset.h"
#include "report/model/tfrxdetaildata.h"
#include "report/model/tfrxfooter.h"
#include "report/model/tfrxheader.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxpagefooter.h"
#include "report/model/tfrxpageheader.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportdatasets.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxreporttitle.h"
#include "report/output/tfrxcustompreviewpages.h"

#include <gtest/gtest.h>

namespace {

class RecordingStore : public TfrxCustomPreviewPages
{
public:
    using TfrxCustomPreviewPages::TfrxCustomPreviewPages;
    // "page:name@top" per recorded band; for a band also the line counter.
    QStringList records;
    std::function<QString()> extra;
    int pages = 0;
    QList<QSet<TfrxComponent *>> onPage;

    int PageCount() const override { return pages; }
    TfrxReportPage *BuildPage(int) override { return nullptr; }
    QSize PagePixelSize(int) override { return {}; }
    void Reset() override {}
    void BeginRun() override { pages = 0; }
    void RecordBand(TfrxComponent *band) override
    {
        QString name = band->Name();
        if (name.isEmpty() && !band->Objects().isEmpty())
            name = "[" + band->Objects().first()->Name() + "]";
        records << QStringLiteral("%1:%2@%3").arg(pages).arg(name).arg(band->Top()) + (extra ? extra() : QString());
        onPage.last().insert(band);
    }
    void StartOutputPage(TfrxReportPage *) override
    {
        ++pages;
        onPage.append(QSet<TfrxComponent *>());
    }
    void CopyTemplatePage(TfrxReportPage *) override {}
    void CopyTemplateObject(TfrxComponent *) override {}
    void MarkPassStart() override {}
    void DiscardFirstPass() override {}
    int CutTail(int) override { return 0; }
    void EndRun() override {}
    void PasteTail(double, double) override {}
    bool HasBandOutput(TfrxComponent *band) override { return !onPage.isEmpty() && onPage.last().contains(band); }
    int PageObjectCount() const override { return 0; }
    double LowestBandBottom() override { return 0; }
    void InsertEmptyPage(int) override {}
    void RemovePage(int) override {}
    void ReplacePage(int, TfrxReportPage *) override {}
    void ReadPrepared(QIODevice *, TfrxXMLLoad) override {}
    void WritePrepared(QIODevice *) override {}
    bool OpenPreparedFile(const QString &, TfrxMissingFile) override { return false; }
    void SavePreparedFile(const QString &) override {}
    void StoreAnchor(const QString &) override {}
    int AnchorPageOf(const QString &) const override { return 0; }
    TfrxCustomOutline *Outline() const override { return nullptr; }
};

// A page of exactly 100 pixels of printable height: paper and margins in
// millimetres chosen so that the height is 100 / 3.77953 mm.
class LayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        page = new TfrxReportPage(&report);
        page->SetName("Page1");
        page->SetTopMargin(0);
        page->SetBottomMargin(0);
        page->SetPaperHeight(100 / 3.77953);
    }
    template <class T> T *add(const char *name, double top, double height)
    {
        auto *b = new T(page);
        b->SetName(name);
        b->SetTop(top);
        b->SetHeight(height);
        return b;
    }
    QStringList run()
    {
        TfrxEngine engine(&report, &store);
        EXPECT_TRUE(engine.Run()) << report.Errors().join("\n").toStdString();
        return store.records;
    }

    TfrxReport report;
    TfrxReportPage *page = nullptr;
    RecordingStore store{&report};
};

TEST_F(LayoutTest, TitleHeaderRowsAndFooterAtTheBottom)
{
    add<TfrxReportTitle>("Title", 0, 10);
    add<TfrxPageHeader>("PHeader", 20, 5);
    auto *master = add<TfrxMasterData>("Rows", 40, 20);
    master->SetRowCount(2);
    add<TfrxPageFooter>("PFooter", 80, 15);
    auto *memo = new TfrxMemoView(page);
    memo->SetName("Logo");
    EXPECT_EQ(run(), QStringList({"1:Title@0", "1:PHeader@10", "1:[Logo]@0", "1:Rows@15", "1:Rows@35",
                                  "1:PFooter@85"}));
}

TEST_F(LayoutTest, BandExactlyAsTallAsTheFreeSpaceFitsOneMoreDoesNot)
{
    // 100 high, footer 20: 80 free. Four rows of 20 fit, the fifth goes on.
    auto *master = add<TfrxMasterData>("Rows", 0, 20);
    master->SetRowCount(5);
    add<TfrxPageHeader>("PHeader", -10, 0);
    add<TfrxPageFooter>("PFooter", 90, 20);
    EXPECT_EQ(run(), QStringList({"1:PHeader@0", "1:Rows@0", "1:Rows@20", "1:Rows@40", "1:Rows@60", "1:PFooter@80",
                                  "2:PHeader@0", "2:Rows@0", "2:PFooter@80"}));
}

TEST_F(LayoutTest, ThreeStaffMembersOneWithoutRowsAndTheLineCountInTheFooter)
{
    // Staff 1 has two statistics rows, staff 2 none, staff 3 one.
    const QList<int> rowsOf{2, 0, 1};
    TfrxUserDataSet staff, stats;
    staff.SetUserName("frxDBDataset1");
    stats.SetUserName("frxDBDataset2");
    staff.SetRangeEnd(TfrxRangeEnd::reCount);
    staff.SetRangeEndCount(3);
    stats.SetRangeEnd(TfrxRangeEnd::reCount);
    stats.OnFirst = [&](TfrxDataSet *) { stats.SetRangeEndCount(rowsOf.value(staff.RecNo())); };
    report.Datasets()->Add(&staff);
    report.Datasets()->Add(&stats);
    auto *master = add<TfrxMasterData>("MasterData1", 0, 10);
    master->SetDataSet(&staff);
    add<TfrxHeader>("Header1", 20, 5);
    auto *detail = add<TfrxDetailData>("DetailData1", 30, 5);
    detail->SetDataSet(&stats);
    add<TfrxFooter>("Footer1", 40, 5);

    TfrxEngine engine(&report, &store);
    store.extra = [&engine] { return QStringLiteral(" L%1").arg(engine.CurLine); };
    ASSERT_TRUE(engine.Run()) << report.Errors().join("\n").toStdString();
    EXPECT_EQ(store.records, QStringList({"1:MasterData1@0 L1", "1:Header1@10 L1", "1:DetailData1@15 L1",
                                          "1:DetailData1@20 L2", "1:Footer1@25 L2",
                                          // the second staff member has no rows, prints nothing and is not counted
                                          "1:MasterData1@30 L2", "1:Header1@40 L2", "1:DetailData1@45 L1",
                                          "1:Footer1@50 L1"}));
}

TEST_F(LayoutTest, TitleAndHeaderOnlyPageStillPrintsWhenEmptyIsAllowed)
{
    add<TfrxReportTitle>("Title", 0, 10);
    add<TfrxPageHeader>("PHeader", 20, 5);
    auto *master = add<TfrxMasterData>("Rows", 40, 20);
    TfrxUserDataSet none;
    none.SetRangeEnd(TfrxRangeEnd::reCount);
    master->SetDataSet(&none);
    report.EngineOptions()->SetPrintIfEmpty(false);
    EXPECT_EQ(run(), QStringList()) << "no printable rows: no page";
    store.records.clear();
    report.EngineOptions()->SetPrintIfEmpty(true);
    EXPECT_EQ(run(), QStringList({"1:Title@0", "1:PHeader@10"}));
}

TEST_F(LayoutTest, MisplacedBandEndsTheRunWithItsErrorLine)
{
    add<TfrxHeader>("Header9", 0, 10);
    TfrxEngine engine(&report, &store);
    EXPECT_FALSE(engine.Run());
    EXPECT_EQ(report.Errors(), QStringList({"Bağlantısız Rapor Başlığı/Sonu Header9"}));
}

} // namespace
