#include "report/output/tfrxpagepainter.h"

#include "report/base/frxunits.h"
#include "report/model/tfrxpictureview.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxview.h"
#include "report/output/canvas.h"
#include "report/output/frxviewrenderer.h"
#include "report/output/tfrxpreviewpages.h"

#include <utility>

namespace {
// Swaps the page's side margins for the duration of a drawing.
class MirroredMargins
{
public:
    MirroredMargins(TfrxReportPage &page, bool mirror) : m_page(page), m_mirror(mirror) { swap(); }
    ~MirroredMargins() { swap(); }

private:
    void swap()
    {
        if (!m_mirror)
            return;
        const double left = m_page.LeftMargin();
        m_page.SetLeftMargin(m_page.RightMargin());
        m_page.SetRightMargin(left);
    }
    TfrxReportPage &m_page;
    bool m_mirror;
};

void drawBackground(TfrxReportPage &page, Canvas &canvas, double sx, double sy, double ox, double oy)
{
    TfrxPictureView *bg = page.Background();
    bg->SetLeft(0);
    bg->SetTop(0);
    bg->SetWidth(page.Width());
    bg->SetHeight(page.Height());
    DrawView(*bg, canvas, sx, sy, ox, oy);
}
} // namespace

void TfrxPagePainter::PaintPage(int index, Canvas &canvas, double scaleX, double scaleY, double offsetX,
                                double offsetY)
{
    TfrxReportPage *page = m_store.BuildPage(index);
    if (!page)
        return;
    const MirroredMargins mirrored(*page, page->MirrorMargins() && index % 2 == 1);
    drawBackground(*page, canvas, scaleX, scaleY, offsetX, offsetY);

    offsetX += page->LeftMargin() * fr1mm * scaleX;
    offsetY += page->TopMargin() * fr1mm * scaleY;
    const bool printer = canvas.isPrinter();
    const bool alwaysMeets = canvas.kind() == CanvasKind::Metafile;
    const int totalPages = m_store.PageCount();
    for (TfrxComponent *c : page->AllObjects()) {
        auto *view = qobject_cast<TfrxView *>(c);
        if (!view || (printer && !view->Printable()))
            continue;
        if (!alwaysMeets) {
            const int left = frxRound(view->AbsLeft() * scaleX) - 20 + frxRound(offsetX);
            const int top = frxRound(view->AbsTop() * scaleY) - 20 + frxRound(offsetY);
            const int width = frxRound(view->Width() * scaleX) + 40;
            const int height = frxRound(view->Height() * scaleY) + 40;
            if (!canvas.meetsClip(QRect(left, top, width, height)))
                continue;
        }
        view->SetPrinting(printer);
        DrawView(*view, canvas, scaleX, scaleY, offsetX, offsetY, totalPages);
        view->SetPrinting(false);
    }
}
