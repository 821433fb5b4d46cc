#include "report/engine/tfrxengine.h"

#include "report/engine/tfrxdatasetadapter.h"
#include "report/model/tfrxchild.h"
#include "report/model/tfrxdataband.h"
#include "report/model/tfrxengineoptions.h"
#include "report/model/tfrxnullband.h"
#include "report/model/tfrxpagefooter.h"
#include "report/model/tfrxpageheader.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportdatasets.h"
#include "report/model/tfrxreportcomponent.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxreportsummary.h"
#include "report/model/tfrxreporttitle.h"
#include "report/output/tfrxcustompreviewpages.h"

namespace {
constexpr double kMmToPixels = 3.77953;

template <class T> TfrxBand *firstBandOf(TfrxReportPage *page)
{
    for (TfrxComponent *c : page->Objects())
        if (auto *b = qobject_cast<T *>(c))
            return b;
    return nullptr;
}

TfrxDataSetAdapter *adapter(TfrxDataSet *ds) { return qobject_cast<TfrxDataSetAdapter *>(ds); }

// Every dataset of the report's list, for the start and the end of a run.
QList<TfrxDataSetAdapter *> reportDatasets(TfrxReport *report)
{
    QList<TfrxDataSetAdapter *> out;
    TfrxReportDataSets *list = report->Datasets();
    for (int i = 0; i < list->Count(); ++i)
        if (TfrxDataSetAdapter *ds = adapter(list->ItemAt(i)->DataSet()))
            out << ds;
    return out;
}
} // namespace

TfrxEngine::TfrxEngine(TfrxReport *report, TfrxCustomPreviewPages *store) : m_report(report), m_store(store) {}

bool TfrxEngine::Run()
{
    m_terminated = false;
    m_store->BeginRun();
    const QList<TfrxDataSetAdapter *> datasets = reportDatasets(m_report);
    struct RunEnd {
        TfrxEngine *engine;
        const QList<TfrxDataSetAdapter *> &datasets;
        ~RunEnd()
        {
            for (TfrxDataSetAdapter *ds : datasets)
                ds->EndReportRun();
            engine->m_store->EndRun();
        }
    } runEnd{this, datasets};

    QList<TfrxReportPage *> pages;
    for (int i = 0; i < m_report->PagesCount(); ++i)
        if (auto *page = qobject_cast<TfrxReportPage *>(m_report->Pages(i))) {
            m_store->CopyTemplatePage(page);
            TfrxEngineBands check;
            check.Prepare(page, TfrxEngineBands::Orientation::Horizontal);
            m_report->AddErrors(check.Errors());
            pages << page;
        }
    if (!m_report->Errors().isEmpty())
        return false;
    for (TfrxDataSetAdapter *ds : datasets) {
        ds->SetRunReport(m_report, [this] { return m_curObject; });
        ds->BeginReportRun();
    }
    m_store->MarkPassStart();
    for (TfrxReportPage *page : pages) {
        if (m_terminated)
            break;
        if (page->Visible())
            RunPage(page);
    }
    return true;
}

void TfrxEngine::RunPage(TfrxReportPage *page)
{
    m_page = page;
    m_bands.Prepare(page, TfrxEngineBands::Orientation::Horizontal);
    if (!HasPrintableRows(m_bands.MasterBands(), m_report->EngineOptions()->PrintIfEmpty(), true))
        return;
    StartPageRun(page);
    ShowPageObjects(page);
    RunDataBands(m_bands.MasterBands());
    ShowBand(firstBandOf<TfrxReportSummary>(page));
    m_lastPage = true;
    FinishPage();
    m_lastPage = false;
}

void TfrxEngine::StartPageRun(TfrxReportPage *page)
{
    m_title = firstBandOf<TfrxReportTitle>(page);
    m_pageHeader = firstBandOf<TfrxPageHeader>(page);
    m_pageFooter = firstBandOf<TfrxPageFooter>(page);
    m_reprintHeaders.clear();
    PageHeight = page->PaperHeight() * kMmToPixels - page->TopMargin() * kMmToPixels
        - page->BottomMargin() * kMmToPixels;
    PageWidth = page->PaperWidth() * kMmToPixels - page->LeftMargin() * kMmToPixels
        - page->RightMargin() * kMmToPixels;
    CurX = 0;
    CurY = 0;
    m_firstPage = true;
    m_lastPage = false;
    OpenOutputPage();
    m_title = nullptr; // the title prints once per page run
}

void TfrxEngine::OpenOutputPage()
{
    m_store->StartOutputPage(m_page);
    CurY = 0;
    QList<TfrxBand *> headers;
    if (m_page->TitleBeforeHeader())
        headers << m_title << m_pageHeader;
    else
        headers << m_pageHeader << m_title;
    headers << m_reprintHeaders;
    m_printingHeaders = true;
    for (TfrxBand *band : headers) {
        if (!band || (m_firstPage && band == m_pageHeader && !band->PrintOnFirstPage()))
            continue;
        ShowBand(band);
    }
    m_printingHeaders = false;
}

void TfrxEngine::ShowPageObjects(TfrxReportPage *page)
{
    // Objects placed on the page itself print at their own positions, once.
    TfrxNullBand holder;
    QList<TfrxComponent *> objects;
    for (TfrxComponent *c : page->Objects())
        if (!qobject_cast<TfrxBand *>(c))
            objects << c;
    if (objects.isEmpty())
        return;
    for (TfrxComponent *c : objects)
        c->SetParent(&holder);
    m_curObject = page->Name();
    m_store->RecordBand(&holder);
    for (TfrxComponent *c : objects)
        c->SetParent(page);
}

bool TfrxEngine::HasPrintableRows(const QList<TfrxBand *> &candidates, bool flag, bool forPage)
{
    if (flag)
        return true;
    if (candidates.isEmpty())
        return !forPage;
    bool result = false;
    for (TfrxBand *band : candidates) {
        TfrxDataSetAdapter *ds = adapter(m_bands.DataSetOf(band));
        if (!ds)
            continue;
        for (ds->First(); !ds->Eof(); ds->Next())
            if (HasPrintableRows(m_bands.Links(band).subBands, band->PrintIfDetailEmpty(), false)) {
                result = true;
                break;
            }
    }
    return result;
}

void TfrxEngine::RunDataBands(const QList<TfrxBand *> &bands)
{
    for (TfrxBand *band : bands) {
        if (m_terminated)
            return;
        TfrxDataSetAdapter *ds = adapter(m_bands.DataSetOf(band));
        if (!ds)
            continue;
        const TfrxEngineBands::DataBandLinks links = m_bands.Links(band);
        const int rowCount = qobject_cast<TfrxDataBand *>(band) ? qobject_cast<TfrxDataBand *>(band)->RowCount() : 0;
        m_curObject = band->Name();
        ds->First();
        int line = 1;
        bool first = true;
        while (!ds->Eof()) {
            if (HasPrintableRows(links.subBands, band->PrintIfDetailEmpty(), false)) {
                if (first) {
                    ShowBand(links.header);
                    if (links.header && links.header->ReprintOnNewPage())
                        m_reprintHeaders << links.header;
                }
                CurLine = line;
                ShowBand(band);
                ++line;
                ++CurLineThrough;
                RunDataBands(links.subBands);
                first = false;
            }
            if (band->FooterAfterEach())
                ShowBand(links.footer);
            ds->Next();
            if ((rowCount != 0 && rowCount < line) || m_terminated)
                break;
        }
        if (!first) {
            if (!band->FooterAfterEach())
                ShowBand(links.footer);
            m_reprintHeaders.removeAll(links.header);
        }
    }
}

void TfrxEngine::ShowBand(TfrxBand *band)
{
    if (!band)
        return;
    m_curObject = band->Name();
    if (!m_printingHeaders && band->Visible() && band->StartNewPage() && !qobject_cast<TfrxDataBand *>(band))
        NewPage();
    PrepareBand(band);
    // Whatever happens while the band is placed, its objects get their
    // template state back.
    struct Release {
        TfrxEngine *engine;
        TfrxBand *band;
        ~Release() { engine->ReleaseBand(band); }
    } release{this, band};
    if (band->Visible()) {
        // Header-list bands open a page; they never push it on.
        if (!m_printingHeaders && FreeSpace() < band->Height())
            NewPage();
        band->SetLeft(CurX);
        band->SetTop(CurY);
        if (!m_printingHeaders || !m_store->HasBandOutput(band))
            m_store->RecordBand(band);
        CurY += band->Height();
    }
    if (TfrxBand *child = band->Child())
        if (band->Visible() || band->PrintChildIfInvisible())
            ShowBand(child);
}

void TfrxEngine::PrepareBand(TfrxBand *band)
{
    m_curObject = band->Name();
    band->BeforeOutput();
    for (TfrxComponent *c : band->Objects()) {
        auto *object = qobject_cast<TfrxReportComponent *>(c);
        if (!object)
            continue;
        m_curObject = object->Name();
        object->BeforeOutput();
        if (band->Visible() && object->Visible())
            object->FetchData();
    }
    m_curObject = band->Name();
}

void TfrxEngine::ReleaseBand(TfrxBand *band)
{
    for (TfrxComponent *c : band->Objects())
        if (auto *object = qobject_cast<TfrxReportComponent *>(c))
            object->AfterOutput();
    band->AfterOutput();
}

double TfrxEngine::ReservedFooterHeight() const
{
    return m_pageFooter ? m_pageFooter->Height() : 0;
}

double TfrxEngine::FreeSpace() const
{
    return PageHeight - ReservedFooterHeight() - CurY;
}

void TfrxEngine::FinishPage()
{
    if (m_pageFooter) {
        CurY = PageHeight - m_pageFooter->Height();
        ShowFooterBand(m_pageFooter);
    }
    m_firstPage = false;
}

void TfrxEngine::ShowFooterBand(TfrxBand *band)
{
    if (!band || !band->Visible())
        return;
    m_curObject = band->Name();
    if ((m_firstPage && !band->PrintOnFirstPage()) || (m_lastPage && !band->PrintOnLastPage()))
        return;
    PrepareBand(band);
    struct Release {
        TfrxEngine *engine;
        TfrxBand *band;
        ~Release() { engine->ReleaseBand(band); }
    } release{this, band};
    band->SetLeft(0);
    band->SetTop(CurY);
    if (!m_store->HasBandOutput(band))
        m_store->RecordBand(band);
    CurY += band->Height();
}

void TfrxEngine::NewPage()
{
    FinishPage();
    OpenOutputPage();
}
