#pragma once
// TfrxPreviewReportRun: the run of a report in the program, with the preview
// window.
//
// ShowReport clears the store when asked, opens the preview window at once
// and builds 50 ms later from inside the window's own message loop, so the
// window is there before the first page and the pages appear as they are
// built; with the old-style progress it builds first and shows the window
// only after a successful build. ShowBuiltPages links an attached preview
// control and lets it refresh, or opens a new preview window: modal by
// default and destroyed when it closes, otherwise destroying itself when
// closed. A build's progress goes to the attached preview control, and a
// failed band engine run closes the window before the error box shows.
#include "report/ui/tfrxreportuirun.h"

#include <QPointer>

#include <memory>

class QTimer;
class TfrxPreview;
class TfrxPreviewForm;

class TfrxPreviewReportRun : public TfrxReportUiRun
{
public:
    explicit TfrxPreviewReportRun(TfrxReport *report);
    ~TfrxPreviewReportRun() override;

    void ShowReport(bool clearPrevious) override;
    void ShowBuiltPages() override;

    // The preview window opened by ShowBuiltPages while it is open.
    TfrxPreviewForm *PreviewForm() const;

protected:
    bool PreviewProgress(TfrxProgressEvent event, int page) override;
    void RunFailed() override;

private:
    TfrxPreview *attachedPreview() const;

    std::unique_ptr<QTimer> m_buildTimer;
    QPointer<TfrxPreviewForm> m_form;
};

// Makes every report made from now on run with the program's windows and
// show its pages in the preview window.
void frxInstallReportPreview();
