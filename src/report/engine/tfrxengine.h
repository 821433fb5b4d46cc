#pragma once
// The band engine: walks the report pages, places bands at the current
// vertical position of the current output page, starts a new output page when
// a band does not fit (a band exactly as tall as the free space still fits),
// and hands every placed band to the prepared pages store.
//
// This is the single-pass layout core: page objects, report title, page
// header (repeated on every output page), master and nested data bands with
// their headers and footers, the page footer at the bottom of every output
// page, the summary, and the line counters behind "[Line]" and "[Line#]".
// The store is reached through its header-only interface, so the engine does
// not link the output layer.
#include "report/engine/tfrxenginebands.h"

#include <QString>

class TfrxBand;
class TfrxCustomPreviewPages;
class TfrxReport;
class TfrxReportPage;

class TfrxEngine
{
public:
    TfrxEngine(TfrxReport *report, TfrxCustomPreviewPages *store);

    // One complete run; false when the template's bands are misplaced (the
    // error lines are in the report's error list) or nothing could start.
    // Errors of the database layer propagate after the datasets are tidied.
    bool Run();

    void ShowBand(TfrxBand *band);
    void NewPage();
    void FinishPage();
    double FreeSpace() const;
    double ReservedFooterHeight() const;
    void StopReport() { m_terminated = true; }

    double CurX = 0, CurY = 0;
    double PageHeight = 0, PageWidth = 0;
    // "Line" and "Line#" as a memo of the band being shown reads them.
    int CurLine = 0, CurLineThrough = 0;
    // Name of the object being processed, for error lines.
    const QString &CurObject() const { return m_curObject; }

private:
    void RunPage(TfrxReportPage *page);
    void StartPageRun(TfrxReportPage *page);
    void OpenOutputPage();
    void ShowPageObjects(TfrxReportPage *page);
    void RunDataBands(const QList<TfrxBand *> &bands);
    bool HasPrintableRows(const QList<TfrxBand *> &candidates, bool flag, bool forPage);
    void ShowFooterBand(TfrxBand *band);
    // Objects take their data before a band is placed and give back their
    // template state after it.
    void PrepareBand(TfrxBand *band);
    void ReleaseBand(TfrxBand *band);

    TfrxReport *m_report;
    TfrxCustomPreviewPages *m_store;
    TfrxEngineBands m_bands;
    TfrxReportPage *m_page = nullptr;
    TfrxBand *m_title = nullptr, *m_pageHeader = nullptr, *m_pageFooter = nullptr;
    QList<TfrxBand *> m_reprintHeaders;
    bool m_firstPage = false, m_lastPage = false, m_printingHeaders = false;
    bool m_terminated = false;
    QString m_curObject;
};
