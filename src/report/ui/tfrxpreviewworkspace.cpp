#include "report/ui/tfrxpreviewworkspace.h"

#include "report/base/frxunits.h"
#include "report/output/qtcanvas.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/ui/tfrxpreview.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

const QColor kWorkspaceGrey(128, 128, 128);
constexpr int kPagesAround = 20;

} // namespace

TfrxPreviewWorkspace::TfrxPreviewWorkspace(TfrxPreview *preview)
    : QAbstractScrollArea(preview), m_preview(preview)
{
    setObjectName(QStringLiteral("TfrxPreviewWorkspace"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // Bars that come and go would change the client size that the zoom
    // modes compute from, and that again the bars.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::OpenHandCursor);
    viewport()->setMouseTracking(true);
    horizontalScrollBar()->setSingleStep(SmallStep);
    verticalScrollBar()->setSingleStep(SmallStep);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { barAction(action, Qt::Horizontal); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { barAction(action, Qt::Vertical); });
}

int TfrxPreviewWorkspace::ClientWidth() const { return viewport()->width(); }
int TfrxPreviewWorkspace::ClientHeight() const { return viewport()->height(); }
int TfrxPreviewWorkspace::HorzPosition() const { return horizontalScrollBar()->value(); }
int TfrxPreviewWorkspace::VertPosition() const { return verticalScrollBar()->value(); }
void TfrxPreviewWorkspace::SetHorzPosition(int value) { horizontalScrollBar()->setValue(value); }
void TfrxPreviewWorkspace::SetVertPosition(int value) { verticalScrollBar()->setValue(value); }

void TfrxPreviewWorkspace::SetRanges(int horzRange, int vertRange)
{
    m_horzRange = horzRange;
    m_vertRange = vertRange;
    updateBars();
}

void TfrxPreviewWorkspace::updateBars()
{
    // The bar's maximum is the range less the visible part, so the thumb
    // stands for the client size and a position never shows past the range.
    QScrollBar *h = horizontalScrollBar();
    h->setPageStep(std::max(ClientWidth(), 1));
    h->setRange(0, std::max(0, m_horzRange - ClientWidth()));
    QScrollBar *v = verticalScrollBar();
    v->setPageStep(std::max(ClientHeight(), 1));
    v->setRange(0, std::max(0, m_vertRange - ClientHeight()));
}

void TfrxPreviewWorkspace::barAction(int action, Qt::Orientation orientation)
{
    // A click beside the thumb moves by the large step, not by the client size
    // that the thumb's length stands for.
    QScrollBar *bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    if (action == QAbstractSlider::SliderPageStepAdd)
        bar->setSliderPosition(bar->value() + LargeStep);
    else if (action == QAbstractSlider::SliderPageStepSub)
        bar->setSliderPosition(bar->value() - LargeStep);
}

void TfrxPreviewWorkspace::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateBars();
    m_preview->UpdateZoom();
}

void TfrxPreviewWorkspace::scrollContentsBy(int, int dy)
{
    viewport()->update();
    if (dy != 0)
        m_preview->PageFromScroll();
}

QRect TfrxPreviewWorkspace::visibleRect(int index) const
{
    return m_preview->PageRect(index).translated(-HorzPosition(), -VertPosition());
}

void TfrxPreviewWorkspace::PagesToConsider(int &first, int &last) const
{
    const TfrxPageList &list = m_preview->PageList();
    int at = list.FindPage(VertPosition(), m_preview->Zoom());
    if (at < 0)
        at = 0;
    first = std::max(0, at - kPagesAround);
    last = std::min(list.Count() - 1, at + kPagesAround);
}

void TfrxPreviewWorkspace::PaintPages(Canvas &canvas, const QRect &clip)
{
    TfrxPreviewPages *pages = m_preview->PreviewPages();
    if (!pages)
        return;
    int first = 0, last = -1;
    PagesToConsider(first, last);
    const double zoom = m_preview->Zoom();
    for (int i = first; i <= last; ++i) {
        const QRect r = visibleRect(i);
        if (!r.intersects(clip))
            continue;
        const int left = r.left(), top = r.top();
        const int right = left + r.width(), bottom = top + r.height();
        // The sheet one pixel short of the page's box, its shadow one pixel
        // outside along the right and the bottom.
        CanvasPen pen;
        pen.color = Qt::black;
        pen.width = 1;
        canvas.setPen(pen);
        CanvasBrush brush;
        brush.color = Qt::white;
        canvas.setBrush(brush);
        canvas.rectangle(left, top, right - 1, bottom - 1);
        canvas.moveTo(right - 1, top + 1);
        canvas.lineTo(right - 1, bottom - 1);
        canvas.lineTo(left, bottom - 1);
        pages->PaintPage(i, canvas, zoom, zoom, left, top);
    }
}

void TfrxPreviewWorkspace::paintEvent(QPaintEvent *event)
{
    QtCanvas canvas(CanvasKind::Screen);
    if (!canvas.begin(viewport()))
        return;
    canvas.setResolution(96, 96);
    QPainter *p = canvas.painter();
    const QRect client = viewport()->rect();
    if (m_preview->Locked() || m_preview->PageCount() == 0 || m_preview->PageList().Count() == 0) {
        p->fillRect(client, kWorkspaceGrey);
        return;
    }
    // Grey only around the pages, so they do not flicker.
    QRegion around = event->region();
    int first = 0, last = -1;
    PagesToConsider(first, last);
    for (int i = first; i <= last; ++i) {
        const QRect r = visibleRect(i);
        if (r.top() < client.bottom() && r.bottom() > 0)
            around -= r;
    }
    p->setClipRegion(around);
    p->fillRect(client, kWorkspaceGrey);
    p->setClipRegion(event->region());

    PaintPages(canvas, event->rect());

    const TfrxTextSearch &search = m_preview->Search();
    if (search.Found()) {
        const QRect page = visibleRect(search.FoundPage());
        const QRect found = search.FoundRect();
        const double zoom = m_preview->Zoom();
        const int x1 = page.left() + frxRound(found.left() * zoom) - 1;
        const int x2 = page.left() + frxRound((found.left() + found.width()) * zoom) + 1;
        const int y1 = page.top() + frxRound(found.top() * zoom);
        const int y2 = page.top() + frxRound((found.top() + found.height()) * zoom);
        p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        // Rows y1 to y2, both included; columns x1 up to but not including x2.
        p->fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2)), Qt::white);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

// --- mouse and keys

void TfrxPreviewWorkspace::mousePressEvent(QMouseEvent *event)
{
    if (m_preview->Locked() || m_preview->PageCount() == 0)
        return;
    setFocus();
    if (event->button() == Qt::LeftButton && m_preview->CurrentTool() == TfrxPreview::Tool::HandTool) {
        m_dragging = true;
        m_dragStart = event->position().toPoint();
        m_dragOrigin = QPoint(HorzPosition(), VertPosition());
        viewport()->setCursor(Qt::ClosedHandCursor);
    }
}

void TfrxPreviewWorkspace::mouseMoveEvent(QMouseEvent *event)
{
    if (m_preview->Locked() || m_preview->PageCount() == 0)
        return;
    const QPoint pos = event->position().toPoint();
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        const QPoint moved = pos - m_dragStart;
        SetHorzPosition(m_dragOrigin.x() - moved.x());
        SetVertPosition(m_dragOrigin.y() - moved.y());
        return;
    }
    if (event->buttons() == Qt::NoButton)
        handleMouse(pos, Qt::NoButton, event->modifiers(), false);
}

void TfrxPreviewWorkspace::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_preview->Locked() || m_preview->PageCount() == 0)
        return;
    if (m_preview->CurrentTool() == TfrxPreview::Tool::ZoomTool) {
        if (event->button() == Qt::LeftButton)
            m_preview->SetZoom(m_preview->Zoom() + 0.25);
        else if (event->button() == Qt::RightButton)
            m_preview->SetZoom(m_preview->Zoom() - 0.25);
        return;
    }
    const bool wasDragging = m_dragging;
    m_dragging = false;
    viewport()->setCursor(Qt::OpenHandCursor);
    // A drag that moved the view is no click on an object.
    if (!wasDragging || event->position().toPoint() == m_dragStart)
        handleMouse(event->position().toPoint(), event->button(), event->modifiers(), true);
}

void TfrxPreviewWorkspace::wheelEvent(QWheelEvent *event)
{
    if (m_preview->Locked() || m_preview->PageCount() == 0)
        return;
    const int delta = event->angleDelta().y();
    if (delta != 0)
        m_preview->MouseWheel(delta);
    event->accept();
}

void TfrxPreviewWorkspace::keyPressEvent(QKeyEvent *event)
{
    // The control's keys, whichever of its parts has the focus.
    m_preview->keyPressEvent(event);
}

void TfrxPreviewWorkspace::handleMouse(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers mods, bool click)
{
    TfrxPreviewPages *pages = m_preview->PreviewPages();
    if (!pages)
        return;
    const QPoint at = pos + QPoint(HorzPosition(), VertPosition());
    int first = 0, last = -1;
    PagesToConsider(first, last);
    for (int i = first; i <= last; ++i) {
        const QRect r = m_preview->PageRect(i);
        if (!r.contains(at))
            continue;
        m_preview->HandlePageMouse(i, at - r.topLeft(), button, mods, click);
        return;
    }
}
