// Which band belongs to which: the list templates as shipped, and small pages
// built by hand for the bands that sit where they mean nothing.
#include "report/engine/tfrxenginebands.h"
#include "report/engine/tfrxuserdataset.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxdetaildata.h"
#include "report/model/tfrxfooter.h"
#include "report/model/tfrxgroupfooter.h"
#include "report/model/tfrxgroupheader.h"
#include "report/model/tfrxheader.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxsubdetaildata.h"

#include <gtest/gtest.h>

namespace {

QStringList names(const QList<TfrxBand *> &bands)
{
    QStringList out;
    for (TfrxBand *b : bands)
        out << (b ? b->Name() : QStringLiteral("-"));
    return out;
}

class ListTemplateBandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        staff.SetUserName("frxDBDataset1");
        stats.SetUserName("frxDBDataset2");
    }
    TfrxReportPage *firstPage(TfrxReport &report)
    {
        for (int i = 0; i < report.PagesCount(); ++i)
            if (auto *p = qobject_cast<TfrxReportPage *>(report.Pages(i)))
                return p;
        return nullptr;
    }
    TfrxBand *band(TfrxReport &report, const char *name)
    {
        return qobject_cast<TfrxBand *>(report.FindObject(name));
    }
    TfrxUserDataSet staff, stats;
};

TEST_F(ListTemplateBandsTest, DetailListNestsTheStatisticsUnderTheStaffMember)
{
    auto report = CreateTemplate(TemplateName::RpDetay);
    TfrxEngineBands bands;
    bands.Prepare(firstPage(*report), TfrxEngineBands::Orientation::Horizontal);
    EXPECT_TRUE(bands.Errors().isEmpty()) << bands.Errors().join("\n").toStdString();
    EXPECT_EQ(names(bands.MasterBands()), QStringList({"MasterData1"}));
    const auto master = bands.Links(band(*report, "MasterData1"));
    EXPECT_EQ(names(master.subBands), QStringList({"DetailData1"}));
    EXPECT_EQ(master.header, nullptr);
    const auto detail = bands.Links(band(*report, "DetailData1"));
    EXPECT_EQ(names({detail.header, detail.footer}), QStringList({"Header1", "Footer1"}));
    EXPECT_EQ(bands.DataSetOf(band(*report, "DetailData1")), &stats);
}

TEST_F(ListTemplateBandsTest, PersonalListHasItsFooterOnTheMasterBand)
{
    auto report = CreateTemplate(TemplateName::RpKisisel);
    TfrxEngineBands bands;
    bands.Prepare(firstPage(*report), TfrxEngineBands::Orientation::Horizontal);
    EXPECT_TRUE(bands.Errors().isEmpty()) << bands.Errors().join("\n").toStdString();
    EXPECT_EQ(names(bands.MasterBands()), QStringList({"MasterData1"}));
    EXPECT_EQ(bands.Links(band(*report, "MasterData1")).footer, band(*report, "Footer1"));
}

// A hand-built page: bands named by kind and given a Top; every data band
// walks a row counter of one row unless it says otherwise.
struct BandSpec {
    char kind; // M master, D detail, S subdetail, H header, F footer, G group header, g group footer
    double top;
};

struct LayoutCase {
    const char *name;
    std::vector<BandSpec> bands;
    QStringList masters;
    QStringList errors;
};

class BandLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(BandLayoutTest, MastersAndErrorLines)
{
    TfrxReport report;
    auto *page = new TfrxReportPage(&report);
    int n = 0;
    for (const BandSpec &s : GetParam().bands) {
        TfrxBand *b = nullptr;
        switch (s.kind) {
        case 'M': b = new TfrxMasterData(page); break;
        case 'D': b = new TfrxDetailData(page); break;
        case 'S': b = new TfrxSubdetailData(page); break;
        case 'H': b = new TfrxHeader(page); break;
        case 'F': b = new TfrxFooter(page); break;
        case 'G': b = new TfrxGroupHeader(page); break;
        case 'g': b = new TfrxGroupFooter(page); break;
        }
        b->SetName(QStringLiteral("B%1").arg(++n));
        b->SetTop(s.top);
        b->SetHeight(10);
        if (auto *d = qobject_cast<TfrxDataBand *>(b))
            d->SetRowCount(1);
    }
    TfrxEngineBands bands;
    bands.Prepare(page, TfrxEngineBands::Orientation::Horizontal);
    EXPECT_EQ(names(bands.MasterBands()), GetParam().masters);
    EXPECT_EQ(bands.Errors(), GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, BandLayoutTest,
    ::testing::Values(
        LayoutCase{"OrderComesFromTopNotFromCreation", {{'D', 50}, {'M', 10}}, {"B2"}, {}},
        LayoutCase{"DetailWithoutMasterIsMisplaced", {{'D', 10}, {'M', 50}}, {"B2"},
                   {"Geçersiz band pozisyonu: B1"}},
        LayoutCase{"HeaderWithoutDataBandBelow", {{'M', 10}, {'H', 50}}, {"B1"},
                   {"Bağlantısız Rapor Başlığı/Sonu B2"}},
        LayoutCase{"SkippedLevelStaysAndIsMisplaced", {{'M', 10}, {'S', 30}}, {"B1"},
                   {"Geçersiz band pozisyonu: B2"}},
        LayoutCase{"SecondBandAtTheSameTopTakesNoPart", {{'M', 10}, {'M', 10}}, {"B1"}, {}},
        LayoutCase{"GroupFooterWithoutHeader", {{'M', 10}, {'g', 30}}, {"B1"}, {"Grup başlığı olmayan B2"}},
        LayoutCase{"GroupHeaderWithoutDataBand", {{'M', 10}, {'G', 30}}, {"B1"}, {"Grup için veri bandı yok B2"}},
        LayoutCase{"TwoMastersEachWithADetail", {{'M', 10}, {'D', 20}, {'M', 30}, {'D', 40}}, {"B1", "B3"}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BandCounterTest, DataBandWithoutDatasetWalksItsRowCount)
{
    TfrxReport report;
    auto *page = new TfrxReportPage(&report);
    auto *master = new TfrxMasterData(page);
    master->SetName("MasterData1");
    master->SetRowCount(3);
    auto *none = new TfrxMasterData(page);
    none->SetName("MasterData2");
    none->SetTop(100);
    TfrxEngineBands bands;
    bands.Prepare(page, TfrxEngineBands::Orientation::Horizontal);
    EXPECT_EQ(names(bands.MasterBands()), QStringList({"MasterData1"})) << "no rows, no dataset: not walked";
    auto *counter = qobject_cast<TfrxDataSetAdapter *>(bands.DataSetOf(master));
    ASSERT_NE(counter, nullptr);
    int rows = 0;
    for (counter->First(); !counter->Eof(); counter->Next())
        ++rows;
    EXPECT_EQ(rows, 3);
}

} // namespace
