#pragma once
// TfrxPreview: the preview control.
//
// It shows the pages of a prepared pages store on a scrolling workspace and
// holds the state of the view: the current page (1-based; 0 only without
// pages), the zoom with its mode, the tool of the mouse, the lock, the
// preparation in progress and the text search. The window around it
// (TfrxPreviewForm) owns the toolbar; the control tells it what changed
// through signals and never reaches into it.
//
// Zoom never goes below 0.25. A mode other than zmDefault recomputes the zoom
// from the current page's size and the client size whenever the view is
// updated (on a resize too):
//   zmWholePage  (client height - 20) / page height
//   zmPageWidth  (client width - 20) / page width
//   zmManyPages  (client width - 32) / (2 * page width), two pages a row
//
// While Locked the workspace paints plain grey, the mouse is ignored and
// layout updates are skipped; Unlock goes back to page 1. While Preparing,
// pages arrive one by one through PageAdded and the display is refreshed
// only every 5, 20 or 50 pages, chosen from how long the second page took.
//
// The store and the report are not owned; a report destroyed while the
// control exists makes the control reset itself and drop both.
#include "report/model/frxtypes.h"
#include "report/ui/tfrxpagelist.h"
#include "report/ui/tfrxtextsearch.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class TfrxPreviewPages;
class TfrxPreviewWorkspace;
class TfrxReport;

class TfrxPreview : public QWidget
{
    Q_OBJECT

public:
    enum class Tool { HandTool, ZoomTool };
    static constexpr double MinZoom = 0.25;

    explicit TfrxPreview(QWidget *parent = nullptr);
    ~TfrxPreview() override;

    // Links the control to a report and its store (either may be null).
    void SetReport(TfrxReport *report, TfrxPreviewPages *pages);
    TfrxReport *Report() const;
    TfrxPreviewPages *PreviewPages() const { return m_pages; }
    int PageCount() const;

    // The toolbar buttons the window offers: the find, print and save keys
    // act only when their button is offered.
    void SetButtons(TfrxPreviewButtons buttons) { m_buttons = buttons; }
    TfrxPreviewButtons Buttons() const { return m_buttons; }

    int PageNo() const { return m_pageNo; }
    void SetPageNo(int n);
    void GoFirst();
    void GoPrior();
    void GoNext();
    void GoLast();
    void ScrollToPosition(int page, double top);

    double Zoom() const { return m_zoom; }
    void SetZoom(double z);
    TfrxZoomMode ZoomMode() const { return m_zoomMode; }
    void SetZoomMode(TfrxZoomMode mode);
    Tool CurrentTool() const { return m_tool; }
    void SetTool(Tool tool);

    bool Locked() const { return m_locked; }
    bool Preparing() const { return m_preparing; }
    void Lock();
    void Unlock();
    void Reset();

    void PrintFromPreview();
    void FindText();
    void FindNext();
    void PageSetup();
    void ShowBusyMessage(const QString &text);
    void HideBusyMessage();
    void MouseWheel(int delta);

    // Run notifications of the report.
    void RunStarted();
    void PageAdded(int index);
    void RunFinished();
    // How often the display refreshes while pages are added (5, 20 or 50).
    int RefreshInterval() const { return m_refreshInterval; }

    // Layout and view.
    void UpdatePages();
    void UpdateZoom();
    void UpdateScrollRanges();
    const TfrxPageList &PageList() const { return m_pageList; }
    QRect PageRect(int index) const;
    TfrxPreviewWorkspace *Workspace() const { return m_workspace; }
    TfrxTextSearch &Search() { return m_search; }
    const TfrxTextSearch &Search() const { return m_search; }
    // Searches with the state set (a new search or find-next) and shows the
    // result; true when text was found.
    bool RunSearch();

    // Called by the workspace when its vertical position changed: the page
    // that is now current, without scrolling again.
    void PageFromScroll();
    // The pointer over page `index` at `pos` (workspace pixels from the
    // page's corner); `click` when a button was released on it.
    void HandlePageMouse(int index, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers mods, bool click);

signals:
    void PageChanged(int pageNo);
    void ZoomChanged(double zoom);
    // Preparation started (true) or finished (false).
    void PreparingChanged(bool preparing);
    // The first page of a run arrived: the close button now cancels.
    void FirstPageShown();
    // A text for the window's message panel of the status bar.
    void StatusMessage(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class TfrxPreviewWorkspace;
    void firePageChanged();
    void reportDestroyed();
    void setPageNoQuietly(int n);
    void scrollFoundIntoView();

    TfrxPreviewWorkspace *m_workspace;
    QTreeWidget *m_outline;
    QWidget *m_messagePanel;
    QLabel *m_messageLabel;
    QPushButton *m_cancelB;

    QPointer<TfrxReport> m_report;
    TfrxPreviewPages *m_pages = nullptr;
    TfrxPageList m_pageList;
    TfrxTextSearch m_search;
    TfrxPreviewButtons m_buttons = TfrxPreviewButtons(0x7FF);

    int m_pageNo = 1;
    double m_zoom = 1.0;
    TfrxZoomMode m_zoomMode = TfrxZoomMode::zmDefault;
    Tool m_tool = Tool::HandTool;
    bool m_locked = false;
    bool m_preparing = false;
    bool m_settingPage = false;
    int m_refreshInterval = 20;
    QElapsedTimer m_firstPageTime;
};
