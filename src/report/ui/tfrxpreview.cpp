#include "report/ui/tfrxpreview.h"

#include "report/base/frxunits.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/tfrxpagemouse.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/ui/tfrxpagesettingsform.h"
#include "report/ui/tfrxpreviewworkspace.h"
#include "report/ui/tfrxsearchdialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPageGap = 10;

// The pointer of a tool when no object asks for another.
Qt::CursorShape toolPointer(TfrxPreview::Tool tool)
{
    return tool == TfrxPreview::Tool::HandTool ? Qt::OpenHandCursor : Qt::CrossCursor;
}

// The pointer a report object's Cursor number stands for (the numbers of the
// report files: 0 the default, -21 the hand, and so on down to -22).
Qt::CursorShape pointerShape(int cursor)
{
    switch (cursor) {
    case -1: return Qt::BlankCursor;
    case -2: return Qt::ArrowCursor;
    case -3: return Qt::CrossCursor;
    case -4: return Qt::IBeamCursor;
    case -5: case -22: return Qt::SizeAllCursor;
    case -6: return Qt::SizeBDiagCursor;
    case -7: return Qt::SizeVerCursor;
    case -8: return Qt::SizeFDiagCursor;
    case -9: return Qt::SizeHorCursor;
    case -10: return Qt::UpArrowCursor;
    case -11: case -17: return Qt::WaitCursor;
    case -12: case -16: return Qt::DragCopyCursor;
    case -13: case -18: return Qt::ForbiddenCursor;
    case -14: return Qt::SplitHCursor;
    case -15: return Qt::SplitVCursor;
    case -19: return Qt::BusyCursor;
    case -20: return Qt::WhatsThisCursor;
    case -21: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

TfrxPreview::TfrxPreview(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TfrxPreview"));
    m_outline = new QTreeWidget(this);
    m_outline->setObjectName(QStringLiteral("OutlineTree"));
    m_outline->setHeaderHidden(true);
    m_outline->setFixedWidth(120);
    m_outline->hide();

    m_workspace = new TfrxPreviewWorkspace(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_outline);
    layout->addWidget(m_workspace, 1);

    // Message panel for long store operations, centred over the workspace.
    m_messagePanel = new QFrame(this);
    m_messagePanel->setObjectName(QStringLiteral("MessagePanel"));
    static_cast<QFrame *>(m_messagePanel)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_messagePanel->setAutoFillBackground(true);
    m_messagePanel->resize(260, 75);
    m_messageLabel = new QLabel(m_messagePanel);
    m_messageLabel->setObjectName(QStringLiteral("MessageL"));
    m_messageLabel->setAlignment(Qt::AlignCenter);
    m_messageLabel->setGeometry(0, 12, 260, 20);
    m_cancelB = new QPushButton(m_messagePanel);
    m_cancelB->setObjectName(QStringLiteral("CancelB"));
    m_cancelB->setGeometry(92, 40, 75, 25);
    m_cancelB->setText(QStringLiteral("Vazgeç"));
    m_cancelB->hide();
    m_messagePanel->hide();

    setFocusProxy(m_workspace);
    setFocusPolicy(Qt::StrongFocus);
}

TfrxPreview::~TfrxPreview()
{
    if (m_report && m_report->Preview() == this)
        m_report->SetPreview(nullptr);
}

void TfrxPreview::SetReport(TfrxReport *report, TfrxPreviewPages *pages)
{
    if (m_report)
        disconnect(m_report, nullptr, this, nullptr);
    m_report = report;
    m_pages = pages;
    m_search.SetPages(pages);
    if (report)
        connect(report, &QObject::destroyed, this, &TfrxPreview::reportDestroyed);
}

TfrxReport *TfrxPreview::Report() const
{
    return m_report.data();
}

void TfrxPreview::reportDestroyed()
{
    // The store dies with the report: forget it before anything paints.
    m_pages = nullptr;
    m_search.SetPages(nullptr);
    m_pageList.Clear();
    m_pageNo = 1;
    m_workspace->SetRanges(0, 0);
    m_workspace->viewport()->update();
}

int TfrxPreview::PageCount() const
{
    return m_pages ? m_pages->PageCount() : 0;
}

QRect TfrxPreview::PageRect(int index) const
{
    return m_pageList.PageRect(index, m_workspace->ClientWidth(), m_zoom);
}

// --- pages

void TfrxPreview::firePageChanged()
{
    emit PageChanged(m_pageNo);
}

void TfrxPreview::setPageNoQuietly(int n)
{
    const int count = PageCount();
    m_pageNo = count == 0 ? 0 : std::clamp(n, 1, count);
}

void TfrxPreview::SetPageNo(int n)
{
    setPageNoQuietly(n);
    if (m_pageNo > 0) {
        // The page is set, not found from where the view ends up: the last
        // pages may not scroll up to the viewport's top.
        m_settingPage = true;
        m_workspace->SetVertPosition(PageRect(m_pageNo - 1).top() - kPageGap);
        m_settingPage = false;
        m_workspace->viewport()->update();
    }
    firePageChanged();
}

void TfrxPreview::GoFirst() { SetPageNo(1); }
void TfrxPreview::GoPrior() { SetPageNo(m_pageNo - 1); }
void TfrxPreview::GoNext() { SetPageNo(m_pageNo + 1); }
void TfrxPreview::GoLast() { SetPageNo(PageCount()); }

void TfrxPreview::ScrollToPosition(int page, double top)
{
    const int count = PageCount();
    if (count == 0)
        return;
    page = std::clamp(page, 1, count);
    int position = PageRect(page - 1).top();
    if (top != 0) {
        double topMargin = 0;
        if (TfrxReportPage *p = m_pages->BuildPage(page - 1))
            topMargin = p->TopMargin() * fr1mm;
        position += frxRound((top + topMargin) * m_zoom);
    }
    m_workspace->SetVertPosition(position - kPageGap);
}

void TfrxPreview::PageFromScroll()
{
    if (m_settingPage)
        return;
    const int found = m_pageList.FindPage(m_workspace->VertPosition(), m_zoom,
                                          TfrxPageList::PageFind::CurrentWhileScrolling);
    if (found >= 0)
        m_pageNo = found + 1;
    firePageChanged();
}

// --- zoom and layout

void TfrxPreview::SetZoom(double z)
{
    m_zoom = std::max(z, MinZoom);
    if (m_zoomMode == TfrxZoomMode::zmManyPages) {
        m_zoomMode = TfrxZoomMode::zmDefault;
        UpdatePages();
    }
    m_zoomMode = TfrxZoomMode::zmDefault;
    UpdateZoom();
}

void TfrxPreview::SetZoomMode(TfrxZoomMode mode)
{
    m_zoomMode = mode;
    UpdatePages();
    UpdateZoom();
}

void TfrxPreview::UpdatePages()
{
    m_search.SetMade(false);
    m_search.DropRecording();
    m_pageList.Clear();
    m_pageList.SetColumnCount(m_zoomMode == TfrxZoomMode::zmManyPages ? 2 : 1);
    const int count = PageCount();
    for (int i = 0; i < count; ++i) {
        const QSize size = m_pages->PagePixelSize(i);
        m_pageList.AddPage(size.width(), size.height());
    }
}

void TfrxPreview::UpdateScrollRanges()
{
    m_workspace->SetRanges(frxRound(m_pageList.MaxWidth() * m_zoom) + kPageGap,
                           frxRound(m_pageList.Bottom() * m_zoom) + kPageGap);
}

void TfrxPreview::UpdateZoom()
{
    if (m_locked || PageCount() == 0)
        return;
    const QSize size = m_pages->PagePixelSize(std::max(m_pageNo, 1) - 1);
    const double w = std::max(size.width(), 1);
    const double h = std::max(size.height(), 1);
    switch (m_zoomMode) {
    case TfrxZoomMode::zmWholePage:
        m_zoom = (m_workspace->ClientHeight() - 20) / h;
        break;
    case TfrxZoomMode::zmPageWidth:
        m_zoom = (m_workspace->ClientWidth() - 20) / w;
        break;
    case TfrxZoomMode::zmManyPages:
        m_zoom = (m_workspace->ClientWidth() - 32) / (2 * w);
        break;
    case TfrxZoomMode::zmDefault:
        break;
    }
    // A window too small for the mode's formula must not turn the pages
    // into nothing or upside down.
    m_zoom = std::max(m_zoom, MinZoom);
    UpdateScrollRanges();
    m_workspace->viewport()->update();
    emit ZoomChanged(m_zoom);
}

void TfrxPreview::SetTool(Tool tool)
{
    m_tool = tool;
    m_workspace->viewport()->setCursor(toolPointer(tool));
}

void TfrxPreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_messagePanel->move((width() - m_messagePanel->width()) / 2, (height() - m_messagePanel->height()) / 2);
}

// --- lock, reset, messages

void TfrxPreview::Lock()
{
    m_locked = true;
    m_workspace->viewport()->update();
}

void TfrxPreview::Unlock()
{
    HideBusyMessage();
    m_locked = false;
    setPageNoQuietly(1);
    UpdateZoom();
    m_workspace->viewport()->update();
}

void TfrxPreview::Reset()
{
    Lock();
    if (m_pages)
        m_pages->Reset();
    UpdatePages();
    Unlock();
    m_outline->clear();
    SetPageNo(0);
    m_workspace->SetHorzPosition(0);
    m_workspace->SetVertPosition(0);
}

void TfrxPreview::ShowBusyMessage(const QString &text)
{
    m_messageLabel->setText(text);
    m_messagePanel->show();
    m_messagePanel->raise();
    m_messagePanel->repaint();
}

void TfrxPreview::HideBusyMessage()
{
    m_messagePanel->hide();
    m_cancelB->hide();
}

void TfrxPreview::MouseWheel(int delta)
{
    m_workspace->SetVertPosition(m_workspace->VertPosition() + (delta > 0 ? -1 : 1) * TfrxPreviewWorkspace::WheelStep);
}

// --- a run filling the store while the window shows

void TfrxPreview::RunStarted()
{
    if (!m_preparing)
        Reset();
    m_pageNo = 1;
    m_preparing = true;
    emit PreparingChanged(true);
}

void TfrxPreview::PageAdded(int index)
{
    const bool finalPass = !m_pages || !m_pages->Host() || m_pages->Host()->FinalPass();
    if (finalPass && m_pages) {
        const QSize size = m_pages->PagePixelSize(index);
        m_pageList.AddPage(size.width(), size.height());
    }
    if (index == 0) {
        m_outline->clear();
        SetPageNo(1);
        UpdateZoom();
        emit FirstPageShown();
        m_firstPageTime.start();
    } else if (index == 1) {
        const qint64 ms = m_firstPageTime.isValid() ? m_firstPageTime.elapsed() : 0;
        m_refreshInterval = ms <= 4 ? 50 : ms > 9 ? 5 : 20;
        SetPageNo(1);
        UpdateZoom();
    } else if (index % m_refreshInterval == 0) {
        firePageChanged();
        UpdateScrollRanges();
    }
    QApplication::processEvents();
}

void TfrxPreview::RunFinished()
{
    m_preparing = false;
    firePageChanged();
    UpdateScrollRanges();
    UpdateZoom();
    m_outline->clear();
    emit PreparingChanged(false);
}

// --- keys

void TfrxPreview::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_PageUp:
        if (ctrl)
            SetPageNo(m_pageNo - 1);
        else
            m_workspace->SetVertPosition(m_workspace->VertPosition() - TfrxPreviewWorkspace::LargeStep);
        break;
    case Qt::Key_PageDown:
        if (ctrl)
            SetPageNo(m_pageNo + 1);
        else
            m_workspace->SetVertPosition(m_workspace->VertPosition() + TfrxPreviewWorkspace::LargeStep);
        break;
    case Qt::Key_Home:
        GoFirst();
        break;
    case Qt::Key_End:
        GoLast();
        break;
    case Qt::Key_Up:
        m_workspace->SetVertPosition(m_workspace->VertPosition() - TfrxPreviewWorkspace::SmallStep);
        break;
    case Qt::Key_Down:
        m_workspace->SetVertPosition(m_workspace->VertPosition() + TfrxPreviewWorkspace::SmallStep);
        break;
    case Qt::Key_Left:
        m_workspace->SetHorzPosition(m_workspace->HorzPosition() - TfrxPreviewWorkspace::SmallStep);
        break;
    case Qt::Key_Right:
        m_workspace->SetHorzPosition(m_workspace->HorzPosition() + TfrxPreviewWorkspace::SmallStep);
        break;
    case Qt::Key_F3:
        if (m_buttons.testFlag(TfrxPreviewButton::pbFind))
            FindNext();
        break;
    case Qt::Key_F:
        if (ctrl && m_buttons.testFlag(TfrxPreviewButton::pbFind))
            FindText();
        else
            event->ignore();
        break;
    case Qt::Key_P:
        if (ctrl && m_buttons.testFlag(TfrxPreviewButton::pbPrint))
            PrintFromPreview();
        else
            event->ignore();
        break;
    default:
        event->ignore();
        return;
    }
}

// --- printing

void TfrxPreview::PrintFromPreview()
{
    if (m_preparing || !m_pages)
        return;
    m_pages->ShownPage = m_pageNo;
    Lock();
    try {
        m_pages->SendToPrinter();
    } catch (...) {
        Unlock();
        throw;
    }
    Unlock();
}

// --- search

void TfrxPreview::FindText()
{
    if (!m_pages)
        return;
    TfrxSearchDialog dialog(this);
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (ok) {
        m_search.Start(dialog.SearchText(), dialog.MatchCase(), dialog.FromTop() ? 0 : std::max(m_pageNo, 1) - 1);
        RunSearch();
    }
    // Closing the dialog in any way makes find-next available.
    m_search.SetMade(true);
}

void TfrxPreview::FindNext()
{
    if (m_search.Made())
        RunSearch();
}

bool TfrxPreview::RunSearch()
{
    const bool wasFound = m_search.Found();
    if (!m_search.Run()) {
        // Nothing more to show; a mark left from an earlier match goes.
        if (wasFound)
            m_workspace->viewport()->update();
        return false;
    }
    scrollFoundIntoView();
    m_workspace->viewport()->update();
    return true;
}

void TfrxPreview::scrollFoundIntoView()
{
    const QRect page = PageRect(m_search.FoundPage());
    const QRect found = m_search.FoundRect();
    const int top = page.top() + frxRound(found.top() * m_zoom);
    const int bottom = page.top() + frxRound((found.top() + found.height()) * m_zoom);
    const int left = page.left() + frxRound(found.left() * m_zoom);
    const int right = page.left() + frxRound((found.left() + found.width()) * m_zoom);
    const int vpos = m_workspace->VertPosition();
    const int hpos = m_workspace->HorzPosition();
    if (top < vpos || bottom > vpos + m_workspace->ClientHeight())
        m_workspace->SetVertPosition(bottom - m_workspace->ClientHeight() + 20);
    if (left < hpos || right > hpos + m_workspace->ClientWidth())
        m_workspace->SetHorzPosition(right - m_workspace->ClientWidth() + 20);
}

// --- page settings

void TfrxPreview::PageSetup()
{
    if (m_preparing || !m_pages || m_pageNo < 1)
        return;
    TfrxReportPage *shown = m_pages->BuildPage(m_pageNo - 1);
    if (!shown)
        return;
    TfrxPageSettingsForm dialog(this);
    // The dialog edits a copy: the store's rebuilt page belongs to its cache.
    std::unique_ptr<TfrxReportPage> page(TfrxPageSettingsForm::CopyPage(shown));
    dialog.SetPage(page.get());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.ApplyToAll()) {
        if (TfrxReport *report = m_report.data()) {
            for (int i = 0; i < report->PagesCount(); ++i)
                if (auto *p = qobject_cast<TfrxReportPage *>(report->Pages(i)))
                    TfrxPageSettingsForm::CopyLayout(page.get(), p);
        }
        // Prepared again into this control: the build reports its pages here.
        if (TfrxReport *report = m_report.data())
            report->BuildPages(true);
    } else {
        Lock();
        m_pages->ReplacePage(m_pageNo - 1, page.get());
        UpdatePages();
        Unlock();
    }
}

// --- pointer over a page

void TfrxPreview::HandlePageMouse(int index, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers mods, bool click)
{
    Q_UNUSED(button);
    Q_UNUSED(mods);
    if (!m_pages || m_locked)
        return;
    const TfrxMouseResult found = m_pages->HandleMouse(index, pos.x(), pos.y(), m_zoom, 0, 0,
                                                       click ? TfrxMouseAction::Click : TfrxMouseAction::Move);
    // The tool's own pointer unless an object under it asks for another; the
    // message panel shows the URL of the object, or nothing.
    m_workspace->viewport()->setCursor(found.cursor != 0 ? pointerShape(found.cursor) : toolPointer(m_tool));
    emit StatusMessage(found.url);
    if (!click || found.url.isEmpty())
        return;
    if (found.showPage >= 0 && found.showTop >= 0) {
        ScrollToPosition(found.showPage + 1, found.showTop); // an anchor, where it was stored
    } else if (found.showPage >= 0) {
        SetPageNo(found.showPage + 1);
    } else if (!found.openUrl.isEmpty()) {
        QDesktopServices::openUrl(QUrl::fromUserInput(found.openUrl));
    }
}
