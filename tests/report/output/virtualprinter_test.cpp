// The printer list of a machine without printers, and the stand-in printer.
#include "report/base/tpaperinfo.h"
#include "report/output/tfrxprinters.h"
#include "report/output/tfrxvirtualprinter.h"

#include "platform/loderaerror.h"

#include <gtest/gtest.h>

namespace {

TEST(VirtualPrinter, StandsInWhenNoPrinterIsInstalled)
{
    TfrxPrinters list({}, QStringLiteral("HP LaserJet"));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_FALSE(list.HasRealPrinters());
    EXPECT_EQ(list.CurrentIndex(), 0);
    EXPECT_EQ(list.PrinterNames(), QStringList{"Sanal"});
    TfrxCustomPrinter *p = list.Current();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->IsVirtual());
    EXPECT_EQ(p->DeviceName(), "Sanal");
    EXPECT_TRUE(p->Prepared());
    EXPECT_EQ(p->Resolution(), QPoint(600, 600));
    EXPECT_EQ(p->DefaultPaper(), 9);
    EXPECT_EQ(p->DefaultPaperWidth(), 210);
    EXPECT_EQ(p->DefaultPaperHeight(), 297);
    EXPECT_FALSE(p->DefaultLandscape());
    EXPECT_EQ(p->BinOverride(), -1);
    EXPECT_EQ(p->BinNames(), QStringList{"Varsayılan"});
    EXPECT_EQ(p->BinCodes(), QList<int>{7});
    // "Özel" first, then the whole paper table with its codes and empty names.
    ASSERT_EQ(p->PaperNames().size(), 67);
    EXPECT_EQ(p->PaperNames().first(), "Özel");
    EXPECT_EQ(p->PaperCodes().first(), 256);
    EXPECT_EQ(p->PaperCodes()[1], 1);
    EXPECT_EQ(p->PaperIndexOf(9), 9);
    EXPECT_EQ(p->PaperIndexOf(48), -1);
    EXPECT_EQ(p->PaperIndexOf(68), 66);
    EXPECT_EQ(p->PaperCodeOf("Özel"), 256);
    EXPECT_EQ(p->PaperCodeOf("A4"), 256) << "the table's names are empty";
    EXPECT_EQ(p->Canvas()->pixelsPerInchY(), 600);
    EXPECT_TRUE(p->Canvas()->isPrinter());
}

struct LayoutCase
{
    const char *name;
    int code;
    double width, height;
    bool landscape;
    int expectedCode;
    double expectedWidth, expectedHeight;
};

std::ostream &operator<<(std::ostream &os, const LayoutCase &c) { return os << c.name; }

class VirtualLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(VirtualLayout, ComesFromThePaperTableWithFiveMillimetreMargins)
{
    const LayoutCase &c = GetParam();
    TfrxVirtualPrinter p("Sanal", "");
    p.LoadCapabilities();
    p.ApplyPageLayout(c.code, c.width, c.height, c.landscape);
    EXPECT_EQ(p.PaperCode(), c.expectedCode);
    EXPECT_DOUBLE_EQ(p.PaperWidthMM(), c.expectedWidth);
    EXPECT_DOUBLE_EQ(p.PaperHeightMM(), c.expectedHeight);
    EXPECT_EQ(p.Landscape(), c.landscape);
    for (double m : {p.OffsetLeft(), p.OffsetTop(), p.OffsetRight(), p.OffsetBottom()})
        EXPECT_EQ(m, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Printing, VirtualLayout,
    ::testing::Values(
        LayoutCase{"A4Portrait", 9, 0, 0, false, 9, 210, 297},
        LayoutCase{"A4Landscape", 9, 0, 0, true, 9, 297, 210},
        LayoutCase{"A5GivenSizeIgnored", 11, 1, 2, false, 11, 148, 210},
        LayoutCase{"CustomKeepsTheGivenSize", 256, 100, 150, false, 256, 100, 150},
        LayoutCase{"CustomLandscapeIsNotExchanged", 256, 100, 150, true, 256, 100, 150},
        LayoutCase{"UnknownCodeBecomesCustom", 48, 120, 80, false, 256, 120, 80}));

TEST(VirtualPrinter, PrintLayoutTakesTheBinAsOverride)
{
    TfrxVirtualPrinter p("Sanal", "");
    p.LoadCapabilities();
    p.ApplyPrintLayout(9, 210, 297, true, 4, 2, 1);
    EXPECT_EQ(p.BinOverride(), 4);
    EXPECT_EQ(p.PaperWidthMM(), 297);
}

TEST(VirtualPrinter, StartingAJobReportsThatNoPrinterIsInstalled)
{
    TfrxVirtualPrinter p("Sanal", "");
    p.LoadCapabilities();
    try {
        p.StartJob();
        FAIL() << "a job started without a printer";
    } catch (const LoderaError &e) {
        EXPECT_EQ(e.message(), "Bilgisayarınızda kurulu hiçbir yazıcı yok");
    }
    EXPECT_FALSE(p.JobOpen());
}

TEST(PrinterPaperSizes, ComeFromTheBuiltInTable)
{
    double w = -1, h = -1;
    EXPECT_TRUE(TfrxCustomPrinter::PaperSizeOf(9, w, h));
    EXPECT_DOUBLE_EQ(w, 210);
    EXPECT_DOUBLE_EQ(h, 297);
    EXPECT_TRUE(TfrxCustomPrinter::PaperSizeOf(19, w, h));
    EXPECT_DOUBLE_EQ(w, 98.4);
    EXPECT_DOUBLE_EQ(h, 225.4);
    w = h = -1;
    EXPECT_FALSE(TfrxCustomPrinter::PaperSizeOf(256, w, h));
    EXPECT_FALSE(TfrxCustomPrinter::PaperSizeOf(49, w, h));
    EXPECT_EQ(w, -1) << "an unknown code leaves the size alone";
}

TEST(PrinterListChoice, DefaultNameMatchesIgnoringCase)
{
    // Queues the print system does not know load no capabilities; the list
    // still chooses among them.
    TfrxPrinters list({"Birinci", "Ikinci"}, "ikinci");
    EXPECT_TRUE(list.HasRealPrinters());
    EXPECT_EQ(list.CurrentIndex(), 1);
    EXPECT_EQ(list.FindPrinter("BIRINCI"), 0);
    EXPECT_EQ(list.FindPrinter("Üçüncü"), -1);
    EXPECT_FALSE(list.Current()->Prepared());
    EXPECT_EQ(list.Current()->PaperNames(), QStringList{"Özel"});
    EXPECT_EQ(list.Current()->BinNames(), QStringList{"Varsayılan"});
}

TEST(PrinterListChoice, UnknownDefaultMakesTheFirstPrinterCurrent)
{
    TfrxPrinters list({"Birinci", "Ikinci"}, "Kaldırılmış Yazıcı");
    EXPECT_EQ(list.CurrentIndex(), 0);
    TfrxPrinters none({"Birinci"}, "");
    EXPECT_EQ(none.CurrentIndex(), 0);
}

TEST(PrinterListChoice, OutOfRangeIndexKeepsTheCurrentPrinter)
{
    TfrxPrinters list({"Birinci", "Ikinci"}, "Ikinci");
    list.SetCurrentIndex(5);
    list.SetCurrentIndex(-1);
    EXPECT_EQ(list.CurrentIndex(), 1);
    EXPECT_EQ(list.Items(2), nullptr);
}

} // namespace
