// Drawing a stored page: margins, mirrored margins, scales and offsets, views
// left out on paper, views outside the clipping region.
//
// Two boxes on a band at the page top; the page has 10 mm left, 5 mm right
// and 5 mm top margins, mirrored. Device x of a box at report x: the
// offset, plus the margin in millimetres times 3.77953 times the scale, plus
// the scale times x, rounded.
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxshapeview.h"
#include "report/output/recordingcanvas.h"
#include "report/output/tfrxpagemouse.h"
#include "report/output/tfrxpreviewpages.h"

#include <gtest/gtest.h>
#include <string_view>

namespace {

// A recording canvas whose clipping region is one rectangle.
class ClippedRecording : public RecordingCanvas
{
public:
    ClippedRecording(QRect area, CanvasKind kind) : RecordingCanvas(96, 96, kind), m_area(area) {}
    bool meetsClip(const QRect &rect) const override { return m_area.intersects(rect); }

private:
    QRect m_area;
};

struct MirroredPages : ::testing::Test
{
    TfrxReport report;
    TfrxReportPage *page = new TfrxReportPage(&report);
    TfrxMasterData *band = new TfrxMasterData(page);
    TfrxShapeView *box = new TfrxShapeView(band);
    TfrxShapeView *screenOnly = new TfrxShapeView(band);
    TfrxPreviewPages store{&report};

    MirroredPages()
    {
        page->SetName(QStringLiteral("Page1"));
        page->SetLeftMargin(10);
        page->SetRightMargin(5);
        page->SetTopMargin(5);
        page->SetMirrorMargins(true);
        band->SetName(QStringLiteral("MasterData1"));
        band->SetBounds(0, 0, 700, 60);
        box->SetName(QStringLiteral("Box"));
        box->SetBounds(10, 20, 50, 30);
        screenOnly->SetName(QStringLiteral("ScreenOnly"));
        screenOnly->SetBounds(100, 20, 50, 30);
        screenOnly->SetPrintable(false);
    }

    // `anchorPage`: the output page that gets the anchor "Ikinci", or none.
    void record(int pages, int anchorPage = -1)
    {
        store.BeginRun();
        store.CopyTemplatePage(page);
        store.MarkPassStart();
        for (int i = 0; i < pages; ++i) {
            store.StartOutputPage(page);
            if (i == anchorPage)
                store.StoreAnchor(QStringLiteral("Ikinci"));
            store.RecordBand(band);
        }
        store.EndRun();
    }

    static QList<QPoint> boxCorners(const RecordingCanvas &canvas)
    {
        QList<QPoint> out;
        for (const CanvasOp &op : canvas.operations())
            if (op.kind == CanvasOp::Kind::Rectangle)
                out << op.rect.topLeft();
        return out;
    }
};

struct PaintRow
{
    const char *name;
    int index;
    CanvasKind kind;
    double scale;
    double offsetX, offsetY;
    QList<QPoint> corners; // Box first, then ScreenOnly when drawn
};

std::ostream &operator<<(std::ostream &os, const PaintRow &r) { return os << r.name; }

class PaintPageRows : public MirroredPages, public ::testing::WithParamInterface<PaintRow> {};

// Left margin 10 mm = 37.7953 px, right 5 mm = 18.89765 px, top 5 mm = 18.89765 px.
const PaintRow kPaintRows[] = {
    // x: 37.7953 + 10 -> 48, 37.7953 + 100 -> 138; y: 18.89765 + 20 -> 39
    {"FirstPageAtZoomOne", 0, CanvasKind::Screen, 1, 0, 0, {{48, 39}, {138, 39}}},
    // The second page swaps the margins: 18.89765 + 10 -> 29, + 100 -> 119
    {"SecondPageMirrored", 1, CanvasKind::Screen, 1, 0, 0, {{29, 39}, {119, 39}}},
    {"ThirdPageNotMirrored", 2, CanvasKind::Screen, 1, 0, 0, {{48, 39}, {138, 39}}},
    {"FourthPageMirrored", 3, CanvasKind::Screen, 1, 0, 0, {{29, 39}, {119, 39}}},
    // Zoom 2 with offsets 5, 7: x 5 + 75.5906 + 20 -> 101, + 200 -> 281;
    // y 7 + 37.7953 + 40 -> 85
    {"ZoomAndOffset", 0, CanvasKind::Screen, 2, 5, 7, {{101, 85}, {281, 85}}},
    // A printer at 600 dpi (scale 6.25) with 4 mm unprintable margins taken
    // back (-94.488 px): x -94.488 + 236.220625 + 62.5 -> 204;
    // y -94.488 + 118.1103 + 125 -> 149. ScreenOnly is not Printable.
    {"PrinterLeavesOutViewsNotPrintable", 0, CanvasKind::Printer, 6.25, -94.488, -94.488, {{204, 149}}},
    {"MetafileDrawsEverything", 0, CanvasKind::Metafile, 1, 0, 0, {{48, 39}, {138, 39}}},
};

TEST_P(PaintPageRows, BoxesLandAtTheirDevicePixels)
{
    const PaintRow &row = GetParam();
    record(4);
    RecordingCanvas canvas(96, 96, row.kind);
    store.PaintPage(row.index, canvas, row.scale, row.scale, row.offsetX, row.offsetY);
    EXPECT_EQ(boxCorners(canvas), row.corners);
}

INSTANTIATE_TEST_SUITE_P(Table, PaintPageRows, ::testing::ValuesIn(kPaintRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MirroredPages, MirroredPageGetsItsMarginsBack)
{
    record(2);
    RecordingCanvas canvas;
    store.PaintPage(1, canvas, 1, 1, 0, 0);
    TfrxReportPage *second = store.BuildPage(1);
    EXPECT_EQ(second->LeftMargin(), 10);
    EXPECT_EQ(second->RightMargin(), 5);
}

TEST_F(MirroredPages, NothingIsDrawnWithoutAPage)
{
    RecordingCanvas canvas;
    store.PaintPage(0, canvas, 1, 1, 0, 0);
    EXPECT_TRUE(canvas.operations().isEmpty());
    record(1);
    store.PaintPage(1, canvas, 1, 1, 0, 0);
    store.PaintPage(-1, canvas, 1, 1, 0, 0);
    EXPECT_TRUE(canvas.operations().isEmpty());
}

TEST_F(MirroredPages, ViewsOutsideTheClipWithTheirTwentyPixelMarginAreSkipped)
{
    record(1);
    // Box: device x 48, so its widened rectangle starts at 28 and ends at 117;
    // ScreenOnly starts at 118.
    struct
    {
        QRect area;
        int boxes;
    } rows[] = {
        {QRect(0, 0, 29, 1000), 1},  // reaches pixel 28
        {QRect(0, 0, 28, 1000), 0},  // ends at pixel 27
        {QRect(118, 19, 1, 1), 1},   // ScreenOnly's widened corner: (100 + 38 - 20, 20 + 19 - 20)
        {QRect(0, 200, 900, 50), 0}, // below both: they end at 19 + 30 + 40 - 1 = 88
    };
    for (const auto &r : rows) {
        ClippedRecording canvas(r.area, CanvasKind::Screen);
        store.PaintPage(0, canvas, 1, 1, 0, 0);
        EXPECT_EQ(boxCorners(canvas).size(), r.boxes) << r.area.x() << "," << r.area.y();
    }
    // A metafile meets every region.
    ClippedRecording metafile(QRect(0, 200, 900, 50), CanvasKind::Metafile);
    store.PaintPage(0, metafile, 1, 1, 0, 0);
    EXPECT_EQ(boxCorners(metafile).size(), 2);
}

TEST_F(MirroredPages, PrintingFlagIsSetOnlyWhileDrawingOnAPrinter)
{
    record(1);
    RecordingCanvas printer(600, 600, CanvasKind::Printer);
    store.PaintPage(0, printer, 6.25, 6.25, 0, 0);
    TfrxReportPage *p = store.BuildPage(0);
    for (TfrxComponent *c : p->AllObjects())
        EXPECT_FALSE(c->IsPrinting()) << c->Name().toStdString();
}

struct MouseRow
{
    const char *name;
    int index;
    int x, y;
    TfrxMouseAction action;
    const char *view; // empty: none
    int cursor;
    int showPage;
    const char *openUrl;
};

std::ostream &operator<<(std::ostream &os, const MouseRow &r) { return os << r.name; }

class PointerRows : public MirroredPages, public ::testing::WithParamInterface<MouseRow> {};

// Box spans x 47.8 .. 97.8 (second page 28.9 .. 78.9), y 38.9 .. 68.9 at
// scale 1; ScreenOnly x 137.8 .. 187.8.
const MouseRow kPointerRows[] = {
    {"OverLinkShowsHand", 0, 60, 50, TfrxMouseAction::Move, "Box", TfrxPageMouse::HandCursor, -1, ""},
    {"ClickOnPageLink", 0, 60, 50, TfrxMouseAction::Click, "Box", TfrxPageMouse::HandCursor, 1, ""},
    {"ClickOnAnchorLink", 0, 60, 50, TfrxMouseAction::Click, "Box", TfrxPageMouse::HandCursor, 1, ""},
    {"ClickOnWebLinkWithOwnCursor", 0, 150, 50, TfrxMouseAction::Click, "ScreenOnly", -18, -1, "https://ornek.gov.tr"},
    {"MirroredPageMovesTheBox", 1, 35, 50, TfrxMouseAction::Move, "Box", TfrxPageMouse::HandCursor, -1, ""},
    {"LeftOfTheBoxOnFirstPage", 0, 35, 50, TfrxMouseAction::Move, "", 0, -1, ""},
    {"OutsideThePages", 7, 60, 50, TfrxMouseAction::Click, "", 0, -1, ""},
};

TEST_P(PointerRows, FindTheViewAndWhatAClickAsks)
{
    const MouseRow &row = GetParam();
    const bool anchor = std::string_view(row.name) == "ClickOnAnchorLink";
    box->SetURL(QString::fromLatin1(anchor ? "#Ikinci" : "@2"));
    screenOnly->SetURL(QStringLiteral("https://ornek.gov.tr"));
    screenOnly->SetCursor(-18);
    record(2, 1);
    const TfrxMouseResult r = store.HandleMouse(row.index, row.x, row.y, 1, 0, 0, row.action);
    EXPECT_EQ(r.view ? r.view->Name().toStdString() : std::string(), std::string(row.view));
    EXPECT_EQ(r.cursor, row.cursor);
    EXPECT_EQ(r.showPage, row.showPage);
    EXPECT_EQ(r.openUrl.toStdString(), std::string(row.openUrl));
}

INSTANTIATE_TEST_SUITE_P(Table, PointerRows, ::testing::ValuesIn(kPointerRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
