#include "report/ui/tfrxreportuirun.h"

#include "report/base/tfrxresources.h"
#include "report/model/tfrxreport.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/ui/tfrxprintdialog.h"
#include "report/ui/tfrxprogress.h"

#include <QApplication>
#include <QMessageBox>

TfrxReportUiRun::TfrxReportUiRun(TfrxReport *report) : TfrxHeadlessReportRun(report) {}

TfrxReportUiRun::~TfrxReportUiRun() = default;

void TfrxReportUiRun::ShowReport(bool clearPrevious) { TfrxHeadlessReportRun::ShowReport(clearPrevious); }

void TfrxReportUiRun::ShowBuiltPages() {}

QString TfrxReportUiRun::ProgressMessage(TfrxProgressType kind, int page, bool finalPass)
{
    QString key;
    switch (kind) {
    case TfrxProgressType::ptExporting:
        key = QStringLiteral("prExporting");
        break;
    case TfrxProgressType::ptPrinting:
        key = QStringLiteral("prPrinting");
        break;
    case TfrxProgressType::ptRunning:
        key = finalPass ? QStringLiteral("prRunning") : QStringLiteral("prRunningFirst");
        break;
    }
    return frxResources()->Get(key).replace(QStringLiteral("%d"), QString::number(page));
}

void TfrxReportUiRun::Progress(TfrxProgressEvent event, TfrxProgressType kind, int page)
{
    TfrxReport *report = Report();
    const bool toPreview = !report->OldStyleProgress() && kind == TfrxProgressType::ptRunning;
    switch (event) {
    case TfrxProgressEvent::Start:
        if (toPreview) {
            PreviewProgress(event, 0);
        } else if (report->ShowProgress()) {
            m_progress.reset();
            m_progress = std::make_unique<TfrxProgress>();
            m_progress->Execute(0, QString(), true, false);
        }
        break;
    case TfrxProgressEvent::Progress:
        if (toPreview) {
            PreviewProgress(event, page - 1);
        } else if (report->ShowProgress() && m_progress) {
            m_progress->SetMessage(ProgressMessage(kind, page, FinalPass()));
            if (m_progress->Terminated())
                StopReport();
        }
        break;
    case TfrxProgressEvent::Stop:
        if (!toPreview && report->ShowProgress())
            m_progress.reset();
        else if (toPreview)
            PreviewProgress(event, 0);
        break;
    }
    ProcessMessages();
    if (m_progress && m_progress->Terminated())
        StopReport();
}

void TfrxReportUiRun::ProcessMessages() { QApplication::processEvents(); }

bool TfrxReportUiRun::PrintDialog(TfrxPrintChoices &choices)
{
    TfrxPrintDialog dialog(QApplication::activeWindow());
    dialog.setCopies(choices.copies);
    dialog.setCollate(choices.collate);
    dialog.setPageNumbers(choices.pageNumbers);
    dialog.setRange(choices.range == TfrxPrintChoices::Range::All
                        ? TfrxPrintDialog::PrintRange::All
                        : TfrxPrintDialog::PrintRange::PageNumbers);
    dialog.setPageKind(TfrxPrintDialog::PageKind(int(choices.kind)));
    dialog.setReverse(choices.reverse);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choices.copies = dialog.copies();
    choices.collate = dialog.collate();
    switch (dialog.range()) {
    case TfrxPrintDialog::PrintRange::All:
        choices.range = TfrxPrintChoices::Range::All;
        break;
    case TfrxPrintDialog::PrintRange::CurrentPage:
        choices.range = TfrxPrintChoices::Range::CurrentPage;
        break;
    case TfrxPrintDialog::PrintRange::PageNumbers:
        choices.range = TfrxPrintChoices::Range::PageNumbers;
        break;
    }
    choices.pageNumbers = dialog.pageNumbers();
    choices.kind = TfrxPrintChoices::Kind(int(dialog.pageKind()));
    choices.reverse = dialog.reverse();
    return true;
}

void TfrxReportUiRun::ShowErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Hata"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void frxInstallReportUi()
{
    frxSetReportRunFactory([](TfrxReport *report) { return std::make_unique<TfrxReportUiRun>(report); });
}
