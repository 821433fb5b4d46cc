// The preview window shows the pages' texts: the sheet is drawn on the same
// canvas just before a page's contents, and its captions must still come
// through on the widget.
#include "previewfixture.h"

#include "report/output/recordingcanvas.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewform.h"
#include "report/ui/tfrxpreviewworkspace.h"

using namespace previewtest;

namespace {

TEST(PreviewText, CaptionsShowOnTheSheetInTheWindow)
{
    PagedReport r;
    r.fill({QStringList{QStringLiteral("HASTA SEVK KAĞIDI"), QStringLiteral("Adı Soyadı:")}});
    r.report.PreviewOptions()->SetMaximized(false);
    TfrxPreviewForm form;
    r.report.SetPreview(form.Preview());
    form.ApplyOptions(&r.report);
    form.show();
    QApplication::processEvents();
    TfrxPreviewWorkspace *workspace = form.Preview()->Workspace();

    // Where the texts go in the window, from the same drawing recorded.
    RecordingCanvas recorded;
    workspace->PaintPages(recorded, workspace->viewport()->rect());
    const QList<const CanvasOp *> texts = recorded.textOperations();
    ASSERT_EQ(texts.size(), 2);

    const QImage shown = workspace->viewport()->grab().toImage();
    for (const CanvasOp *text : texts) {
        const QRect cell = text->rect & shown.rect();
        ASSERT_FALSE(cell.isEmpty()) << text->text.toStdString() << " lies outside the window";
        int ink = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                ink += qGray(shown.pixel(x, y)) < 96 ? 1 : 0;
        // Black 10-point capitals leave dozens of dark pixels in their cell;
        // the white sheet alone leaves none.
        EXPECT_GT(ink, 30) << text->text.toStdString();
    }
}

} // namespace
