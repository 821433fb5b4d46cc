// Page geometry: paper numbers, custom sizes, orientation with its rotation of
// the margins, pixel sizes at 3.77953 px per millimetre, and page columns.
#include "platform/loderaerror.h"
#include "report/model/tfrxreportpage.h"

#include <gtest/gtest.h>

namespace {

struct Margins
{
    double left, right, top, bottom;
};

void setMargins(TfrxReportPage &p, Margins m)
{
    p.SetLeftMargin(m.left);
    p.SetRightMargin(m.right);
    p.SetTopMargin(m.top);
    p.SetBottomMargin(m.bottom);
}

void expectMargins(const TfrxReportPage &p, Margins m)
{
    EXPECT_DOUBLE_EQ(p.LeftMargin(), m.left);
    EXPECT_DOUBLE_EQ(p.RightMargin(), m.right);
    EXPECT_DOUBLE_EQ(p.TopMargin(), m.top);
    EXPECT_DOUBLE_EQ(p.BottomMargin(), m.bottom);
}

} // namespace

TEST(PageGeometry, NewPageIsPortraitA4)
{
    TfrxReportPage page;
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_EQ(page.Orientation(), TPrinterOrientation::poPortrait);
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 210);
    EXPECT_DOUBLE_EQ(page.PaperHeight(), 297);
    EXPECT_DOUBLE_EQ(page.Width(), 794);   // 793.7013
    EXPECT_DOUBLE_EQ(page.Height(), 1123); // 1122.52041
    EXPECT_EQ(page.Bin(), 7);
    EXPECT_EQ(page.BinOtherPages(), 7);
}

TEST(PageGeometry, LandscapeExchangesPaperSides)
{
    TfrxReportPage page;
    page.SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 297);
    EXPECT_DOUBLE_EQ(page.PaperHeight(), 210);
    EXPECT_DOUBLE_EQ(page.Width(), 1123);
    EXPECT_DOUBLE_EQ(page.Height(), 794);
    EXPECT_EQ(page.PaperSize(), 9);
}

TEST(PageGeometry, PaperWidthMakesTheSizeCustom)
{
    TfrxReportPage page;
    page.SetPaperWidth(200);
    EXPECT_EQ(page.PaperSize(), 256);
    EXPECT_DOUBLE_EQ(page.Width(), 756); // 755.906
    page.SetPaperHeight(100.5);
    EXPECT_DOUBLE_EQ(page.Height(), 380); // 379.842765
}

TEST(PageGeometry, PaperNumbersComeFromTheTableOrientedAsThePage)
{
    TfrxReportPage page;
    page.SetPaperSize(1); // Letter, 2159 x 2794 tenths of a millimetre
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 215.9);
    EXPECT_DOUBLE_EQ(page.PaperHeight(), 279.4);
    EXPECT_DOUBLE_EQ(page.Width(), 816);   // 816.0005
    EXPECT_DOUBLE_EQ(page.Height(), 1056); // 1056.00068

    page.SetOrientation(TPrinterOrientation::poLandscape);
    page.SetPaperSize(9);
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 297);
    EXPECT_DOUBLE_EQ(page.PaperHeight(), 210);
}

TEST(PageGeometry, UnknownPaperNumberKeepsTheSize)
{
    for (int code : {48, 0, -3, 300}) {
        TfrxReportPage page;
        page.SetPaperWidth(123);
        page.SetPaperSize(code);
        EXPECT_EQ(page.PaperSize(), code);
        EXPECT_DOUBLE_EQ(page.PaperWidth(), 123) << code;
        EXPECT_DOUBLE_EQ(page.PaperHeight(), 297) << code;
    }
}

TEST(PageGeometry, TurningThePageRotatesTheMargins)
{
    TfrxReportPage page;
    page.SetOrientation(TPrinterOrientation::poLandscape);
    setMargins(page, {14, 14, 13, 17});
    page.SetOrientation(TPrinterOrientation::poPortrait);
    expectMargins(page, {17, 13, 14, 14});

    setMargins(page, {1, 2, 3, 4});
    page.SetOrientation(TPrinterOrientation::poLandscape);
    expectMargins(page, {3, 4, 2, 1});

    // The same orientation again changes nothing.
    page.SetOrientation(TPrinterOrientation::poLandscape);
    expectMargins(page, {3, 4, 2, 1});
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 297);
}

TEST(PageColumns, ColumnsDivideThePrintableWidth)
{
    TfrxReportPage page;
    setMargins(page, {10, 10, 0, 0});
    page.SetColumns(2);
    EXPECT_DOUBLE_EQ(page.ColumnWidth(), 95);
    EXPECT_EQ(page.ColumnPositions(), QStringList({"0", "95"}));

    // General format, 15 significant digits, the Turkish decimal comma.
    page.SetColumns(3);
    EXPECT_EQ(page.ColumnPositions(), QStringList({"0", "63,3333333333333", "126,666666666667"}));

    page.SetColumns(0);
    EXPECT_TRUE(page.ColumnPositions().isEmpty());

    // A damaged template cannot ask for millions of column lines.
    EXPECT_THROW(page.SetColumns(2000000000), LoderaError);
    EXPECT_EQ(page.Columns(), 0);
}

TEST(PageBackground, ColourFrameAndPictureBelongToThePrivatePicture)
{
    TfrxReportPage page;
    EXPECT_EQ(page.Color(), clNone);
    EXPECT_FALSE(page.Background()->KeepAspectRatio());
    page.SetColor(clWhite);
    page.Frame()->SetTyp(TfrxFrameType::ftLeft);
    EXPECT_EQ(page.Background()->Color(), clWhite);
    EXPECT_EQ(page.Background()->Frame()->Typ(), TfrxFrameTypes(TfrxFrameType::ftLeft));
    EXPECT_TRUE(page.Objects().isEmpty());
}
