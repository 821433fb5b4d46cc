// Painting the workspace on a recording canvas: each page's sheet and shadow
// to the pixel, and only the pages around the current one considered.
#include "previewfixture.h"

#include "report/output/recordingcanvas.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewform.h"
#include "report/ui/tfrxpreviewworkspace.h"

using namespace previewtest;

namespace {

struct PreviewPaint : ::testing::Test
{
    PagedReport r;
    std::unique_ptr<TfrxPreviewForm> form;

    TfrxPreview *open(int pages)
    {
        r.fillBlank(pages);
        r.report.PreviewOptions()->SetMaximized(false);
        form = std::make_unique<TfrxPreviewForm>();
        r.report.SetPreview(form->Preview());
        form->ApplyOptions(&r.report);
        form->show();
        QApplication::processEvents();
        return form->Preview();
    }

    // The sheet rectangles drawn: one pixel narrower than a whole page of
    // `pageWidth` screen pixels.
    static QList<QRect> sheets(const RecordingCanvas &canvas, int pageWidth)
    {
        QList<QRect> out;
        for (const CanvasOp &op : canvas.operations())
            if (op.kind == CanvasOp::Kind::Rectangle && op.rect.width() == pageWidth - 1)
                out.append(op.rect);
        return out;
    }
};

TEST_F(PreviewPaint, SheetWithBorderAndShadow)
{
    TfrxPreview *preview = open(1);
    const QRect page = preview->PageRect(0);
    RecordingCanvas canvas;
    preview->Workspace()->PaintPages(canvas, QRect(0, 0, 2000, 2000));
    const QList<CanvasOp> &ops = canvas.operations();
    ASSERT_GE(ops.size(), 3);
    // The sheet: white inside a black border, one pixel short of the page box
    // on the right and the bottom.
    EXPECT_EQ(ops[0].kind, CanvasOp::Kind::Rectangle);
    EXPECT_EQ(ops[0].rect, QRect(page.left(), page.top(), page.width() - 1, page.height() - 1));
    EXPECT_EQ(ops[0].brush.color, QColor(Qt::white));
    EXPECT_EQ(ops[0].pen.color, QColor(Qt::black));
    // The shadow: the page box's last column from one pixel below its top,
    // then its last row back to one pixel in from its left.
    const int right = page.left() + page.width() - 1, bottom = page.top() + page.height() - 1;
    EXPECT_EQ(ops[1].kind, CanvasOp::Kind::Line);
    EXPECT_EQ(ops[1].from, QPoint(right, page.top() + 1));
    EXPECT_EQ(ops[1].to, QPoint(right, bottom));
    EXPECT_EQ(ops[2].kind, CanvasOp::Kind::Line);
    EXPECT_EQ(ops[2].from, QPoint(right, bottom));
    EXPECT_EQ(ops[2].to, QPoint(page.left(), bottom));
}

TEST_F(PreviewPaint, OnlyTheFortyOnePagesAroundTheCurrentOneAreConsidered)
{
    TfrxPreview *preview = open(100);
    preview->SetZoom(0.25); // a page 198 wide: 198.5 rounded to even
    RecordingCanvas top;
    preview->Workspace()->PaintPages(top, QRect(-100000, -100000, 200000, 200000));
    EXPECT_EQ(sheets(top, 198).size(), 21) << "page 1 and the 20 after it";

    preview->SetPageNo(50);
    int first = -1, last = -1;
    preview->Workspace()->PagesToConsider(first, last);
    // The view stands 10 pixels above page 50's top, where page 49 still
    // shows: the pages considered are 20 either side of page 49 (index 48).
    EXPECT_EQ(first, 48 - 20);
    EXPECT_EQ(last, 48 + 20);
    RecordingCanvas middle;
    preview->Workspace()->PaintPages(middle, QRect(-100000, -100000, 200000, 200000));
    EXPECT_EQ(sheets(middle, 198).size(), 41);
}

TEST_F(PreviewPaint, PagesOutsideTheClipAreNotDrawn)
{
    TfrxPreview *preview = open(5);
    RecordingCanvas canvas;
    // At zoom 1 the first page covers rows 10..1132 of the workspace.
    preview->Workspace()->PaintPages(canvas, QRect(0, 0, 2000, 500));
    EXPECT_EQ(sheets(canvas, 794).size(), 1);
}

} // namespace

