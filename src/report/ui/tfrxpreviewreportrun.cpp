#include "report/ui/tfrxpreviewreportrun.h"

#include "report/model/tfrxreport.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewform.h"

#include <QApplication>
#include <QTimer>

TfrxPreviewReportRun::TfrxPreviewReportRun(TfrxReport *report)
    : TfrxReportUiRun(report), m_buildTimer(std::make_unique<QTimer>())
{
    m_buildTimer->setSingleShot(true);
    m_buildTimer->setInterval(50);
    QObject::connect(m_buildTimer.get(), &QTimer::timeout, [this] { BuildPages(false); });
}

TfrxPreviewReportRun::~TfrxPreviewReportRun()
{
    m_buildTimer->stop();
    // A window shown without Modal outlives nothing it cannot reach: it
    // drops the report when the report goes (TfrxPreview watches it).
}

TfrxPreviewForm *TfrxPreviewReportRun::PreviewForm() const
{
    return m_form.data();
}

TfrxPreview *TfrxPreviewReportRun::attachedPreview() const
{
    return qobject_cast<TfrxPreview *>(Report()->Preview());
}

void TfrxPreviewReportRun::ShowReport(bool clearPrevious)
{
    if (clearPrevious)
        PreviewPages()->Reset();
    if (Report()->OldStyleProgress()) {
        if (BuildPages(false))
            ShowBuiltPages();
        return;
    }
    m_buildTimer->start();
    ShowBuiltPages();
    // A window closed before the timer ran must not leave a build behind it.
    if (!attachedPreview())
        m_buildTimer->stop();
}

void TfrxPreviewReportRun::ShowBuiltPages()
{
    TfrxReport *report = Report();
    if (TfrxPreview *preview = attachedPreview()) {
        preview->SetReport(report, PreviewPages());
        preview->UpdatePages();
        preview->UpdateZoom();
        preview->SetPageNo(preview->PageNo());
        return;
    }
    auto *form = new TfrxPreviewForm(QApplication::activeWindow());
    m_form = form;
    report->SetPreview(form->Preview());
    form->ApplyOptions(report);
    if (form->WantsMaximized())
        form->setWindowState(form->windowState() | Qt::WindowMaximized);
    if (report->PreviewOptions()->Modal()) {
        form->exec();
        report->SetPreview(nullptr);
        delete form;
    } else {
        form->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(form, &QObject::destroyed, report, [report, preview = form->Preview()] {
            if (report->Preview() == preview)
                report->SetPreview(nullptr);
        });
        form->show();
    }
}

bool TfrxPreviewReportRun::PreviewProgress(TfrxProgressEvent event, int page)
{
    TfrxPreview *preview = attachedPreview();
    if (!preview)
        return false;
    switch (event) {
    case TfrxProgressEvent::Start:
        preview->RunStarted();
        break;
    case TfrxProgressEvent::Progress:
        preview->PageAdded(page);
        break;
    case TfrxProgressEvent::Stop:
        preview->RunFinished();
        break;
    }
    return true;
}

void TfrxPreviewReportRun::RunFailed()
{
    TfrxPreview *preview = attachedPreview();
    if (!preview)
        return;
    if (preview->Preparing())
        preview->RunFinished();
    if (m_form && m_form->Preview() == preview)
        m_form->reject();
}

void frxInstallReportPreview()
{
    frxSetReportRunFactory([](TfrxReport *report) { return std::make_unique<TfrxPreviewReportRun>(report); });
}
