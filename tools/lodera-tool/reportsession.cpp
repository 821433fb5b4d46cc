#include "reportsession.h"

#include "platform/loderaerror.h"
#include "referral/reportdatabinding.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/qtcanvas.h"
#include "report/output/tfrxpreviewpages.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

ReportSession::ReportSession(const QString &databaseFile)
{
    m_data.open(databaseFile);
    ReportDataBinding::makeReportDataset(m_data.Query1, QStringLiteral("frxDBDataset1"), &m_owner);
    ReportDataBinding::makeReportDataset(m_data.QIstatistik, QStringLiteral("frxDBDataset2"), &m_owner);
}

ReportSession::~ReportSession() = default;

bool ReportSession::selectStaff(int siraNo)
{
    return m_data.Query1.locate(QStringLiteral("SiraNo"), siraNo);
}

std::unique_ptr<TfrxReport> ReportSession::makeReport(TemplateName name,
                                                      const std::vector<std::pair<QString, QString>> &texts)
{
    std::unique_ptr<TfrxReport> report = CreateTemplate(name);
    for (const auto &[memoName, text] : texts) {
        auto *memo = qobject_cast<TfrxCustomMemoView *>(report->FindObject(memoName));
        if (!memo)
            throw LoderaError(QStringLiteral("şablonda böyle bir metin yok: %1").arg(memoName));
        memo->SetText(text);
    }
    return report;
}

void PaintPagesToPdf(TfrxReport &report, const QString &fileName)
{
    TfrxPreviewPages *store = report.PreviewPages();
    QPdfWriter writer(fileName);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Lodera"));
    QtCanvas canvas(CanvasKind::Printer);
    const double scale = 600 / 96.0;
    for (int i = 0; i < store->PageCount(); ++i) {
        TfrxReportPage *page = store->BuildPage(i);
        if (!page)
            continue;
        const bool landscape = page->Orientation() == TPrinterOrientation::poLandscape;
        // The page's paper sizes are as turned; the PDF page is given upright
        // and turned by its orientation.
        const double w = page->PaperWidth(), h = page->PaperHeight();
        const QPageLayout layout(QPageSize(QSizeF(qMin(w, h), qMax(w, h)), QPageSize::Millimeter),
                                 landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
        writer.setPageLayout(layout);
        if (i == 0) {
            if (!canvas.begin(&writer))
                throw LoderaError(QStringLiteral("PDF dosyası yazılamadı: %1").arg(fileName));
        } else {
            writer.newPage();
        }
        store->PaintPage(i, canvas, scale, scale, 0, 0);
        store->EmptyPageCache();
    }
    if (canvas.isActive())
        canvas.end();
}
