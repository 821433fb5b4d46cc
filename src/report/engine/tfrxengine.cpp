#include "report/engine/tfrxengine.h"

#include "report/engine/tfrxdatabandwalker.h"
#include "report/engine/tfrxdatasetadapter.h"
#include "report/model/tfrxcolumnfooter.h"
#include "report/model/tfrxcolumnheader.h"
#include "report/model/tfrxdataband.h"
#include "report/model/tfrxengineoptions.h"
#include "report/model/tfrxoverlay.h"
#include "report/model/tfrxpagefooter.h"
#include "report/model/tfrxpageheader.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportdatasets.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxreportsummary.h"
#include "report/model/tfrxreporttitle.h"
#include "report/output/tfrxcustompreviewpages.h"

#include <cmath>

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

// The data band an aggregate of `container` collects over when its call
// names none: the band itself, the data band of a footer or group footer,
// else the first master band of the page.
TfrxBand *defaultAggregateBand(const TfrxEngineBands &bands, TfrxBand *container)
{
    if (qobject_cast<TfrxDataBand *>(container))
        return container;
    if (TfrxBand *owner = bands.OwnerOf(container))
        return owner;
    return bands.MasterBands().value(0);
}
} // namespace

TfrxEngine::TfrxEngine(TfrxReport *report, TfrxCustomPreviewPages *store) : m_report(report), m_store(store) {}

bool TfrxEngine::DoublePass() const { return m_report->EngineOptions()->DoublePass(); }

bool TfrxEngine::Run()
{
    m_terminated = false;
    m_store->BeginRun();
    StartDate = QDate::currentDate();
    StartTime = QTime::currentTime();
    Running = true;
    m_keep = Keep();
    CurVColumn = 0;
    m_aggregates.Clear();
    m_counters.clear();
    m_outputPage = 0;
    const QList<TfrxDataSetAdapter *> datasets = reportDatasets(m_report);
    struct RunEnd {
        TfrxEngine *engine;
        const QList<TfrxDataSetAdapter *> &datasets;
        ~RunEnd()
        {
            for (TfrxDataSetAdapter *ds : datasets)
                ds->EndReportRun();
            engine->m_store->EndRun();
            engine->Running = false;
        }
    } runEnd{this, datasets};

    QList<TfrxReportPage *> pages;
    if (!Initialize(pages))
        return false;
    for (TfrxDataSetAdapter *ds : datasets) {
        ds->SetRunReport(m_report, [this] { return m_curObject; });
        ds->BeginReportRun();
    }
    FinalPass = !DoublePass();
    TotalPages = 0;
    m_store->MarkPassStart();
    RunReportPages(pages);
    if (DoublePass() && !m_terminated) {
        TotalPages = m_store->PageCount();
        m_store->DiscardFirstPass();
        m_aggregates.ResetAll();
        FinalPass = true;
        RunReportPages(pages);
    }
    return true;
}

bool TfrxEngine::Initialize(QList<TfrxReportPage *> &pages)
{
    for (int i = 0; i < m_report->PagesCount(); ++i) {
        auto *page = qobject_cast<TfrxReportPage *>(m_report->Pages(i));
        if (!page)
            continue;
        m_store->CopyTemplatePage(page);
        TfrxEngineBands check;
        check.Prepare(page, TfrxEngineBands::Orientation::Horizontal);
        m_report->AddErrors(check.Errors());
        for (TfrxComponent *c : page->Objects())
            if (auto *band = qobject_cast<TfrxBand *>(c))
                m_aggregates.CollectFrom(
                    band, [&check](TfrxBand *container) { return defaultAggregateBand(check, container); },
                    [this](const QString &name) { return qobject_cast<TfrxBand *>(m_report->FindObject(name)); });
        pages << page;
    }
    // A dataset walked at two levels at once would lose its place.
    TfrxDataSet *reportSet = m_report->DataSet();
    for (TfrxReportPage *page : std::as_const(pages)) {
        if (reportSet && reportSet == page->DataSet()) {
            m_report->AddError(QStringLiteral("Cannot use the same dataset for Report.DataSet and Page.DataSet"));
            break;
        }
        TfrxEngineBands check;
        check.Prepare(page, TfrxEngineBands::Orientation::Horizontal);
        for (TfrxBand *master : check.MasterBands()) {
            TfrxDataSet *ds = check.DataSetOf(master);
            if (reportSet && ds == reportSet) {
                m_report->AddError(QStringLiteral("Cannot use the same dataset for Report.DataSet and Band.DataSet"));
                break;
            }
            if (page->DataSet() && ds == page->DataSet()) {
                m_report->AddError(QStringLiteral("Cannot use the same dataset for Page.DataSet and Band.DataSet"));
                break;
            }
        }
    }
    return m_report->Errors().isEmpty();
}

void TfrxEngine::RunReportPages(const QList<TfrxReportPage *> &pages)
{
    m_firstOfPass = true;
    auto runPages = [&] {
        for (TfrxReportPage *page : pages) {
            if (m_terminated)
                return;
            if (page->Visible())
                RunPage(page);
            m_firstOfPass = false;
        }
    };
    if (TfrxDataSetAdapter *ds = adapter(m_report->DataSet())) {
        for (ds->First(); !ds->Eof() && !m_terminated; ds->Next())
            runPages();
    } else {
        runPages();
    }
}

void TfrxEngine::RunPage(TfrxReportPage *page)
{
    CallScript(page->OnBeforePrint(), page);
    if (TfrxDataSetAdapter *ds = adapter(page->DataSet())) {
        for (ds->First(); !ds->Eof() && !m_terminated; ds->Next())
            OutputPage(page);
    } else {
        OutputPage(page);
    }
    CallScript(page->OnAfterPrint(), page);
}

void TfrxEngine::OutputPage(TfrxReportPage *page)
{
    m_page = page;
    m_bands.Prepare(page, TfrxEngineBands::Orientation::Horizontal);
    TfrxDataBandWalker walker(*this);
    if (!walker.HasPrintableRows(m_bands.MasterBands(), m_report->EngineOptions()->PrintIfEmpty(),
                                 TfrxDataBandWalker::Candidates::OfPage))
        return;
    StartPageRun(page);
    ShowPageObjects(page);
    walker.Run(m_bands.MasterBands());
    ShowBand(firstBandOf<TfrxReportSummary>(page));
    m_lastPage = true;
    FinishPage();
    m_lastPage = false;
}

void TfrxEngine::StartPageRun(TfrxReportPage *page)
{
    m_title = firstBandOf<TfrxReportTitle>(page);
    m_pageHeader = firstBandOf<TfrxPageHeader>(page);
    m_headers.clear();
    if (page->TitleBeforeHeader())
        m_headers << HeaderEntry{m_title, 0, false} << HeaderEntry{m_pageHeader, 0, false};
    else
        m_headers << HeaderEntry{m_pageHeader, 0, false} << HeaderEntry{m_title, 0, false};
    m_columnHeader = firstBandOf<TfrxColumnHeader>(page);
    m_columnFooter = firstBandOf<TfrxColumnFooter>(page);
    m_pageFooter = firstBandOf<TfrxPageFooter>(page);
    PageHeight = page->PaperHeight() * kMmToPixels - page->TopMargin() * kMmToPixels
        - page->BottomMargin() * kMmToPixels;
    PageWidth = page->PaperWidth() * kMmToPixels - page->LeftMargin() * kMmToPixels
        - page->RightMargin() * kMmToPixels;
    CurX = 0;
    CurY = 0;
    CurColumn = 1;
    m_firstPage = true;
    m_lastPage = false;
    if (m_store->PageCount() > 0 && page->PrintOnPreviousPage()) {
        m_store->WritePageIndex = m_store->PageCount() - 1;
        CurY = m_store->LowestBandBottom();
        m_titleTop = CurY;
        ShowBand(m_title);
    } else {
        OpenOutputPage();
    }
    if (m_firstOfPass)
        m_store->PartStartPage = m_store->WritePageIndex;
    m_columnStartY = CurY;
    ShowBand(m_columnHeader);
    AddHeader(m_columnHeader);
    // The title prints once per page run.
    for (HeaderEntry &e : m_headers)
        if (e.band == m_title)
            e.band = nullptr;
    m_bodyTop = m_titleTop >= 0 ? m_titleTop : CurY;
}

void TfrxEngine::OpenOutputPage()
{
    m_store->StartOutputPage(m_page);
    ++m_outputPage;
    // Every output page of a page with an outline text starts an item of
    // its own at the outline's top level.
    if (!m_page->OutlineText().isEmpty() && m_store->Outline()) {
        m_store->Outline()->LevelRoot();
        AddOutlineItem(m_page->OutlineText(), 0);
    }
    CurY = 0;
    ShowBand(firstBandOf<TfrxOverlay>(m_page));
    CurY = 0;
    m_titleTop = -1;
    ShowHeaderList(HeaderPlace::NewPage);
    m_bodyTop = m_titleTop >= 0 ? m_titleTop : CurY;
}

void TfrxEngine::ShowHeaderList(HeaderPlace place)
{
    const double savedX = CurX;
    const int savedLine = CurLine, savedLineThrough = CurLineThrough;
    bool columnStartSet = place == HeaderPlace::NewColumn;
    m_printingHeaders = true;
    m_headersForColumn = place == HeaderPlace::NewColumn;
    struct Done {
        TfrxEngine *engine;
        ~Done() { engine->m_printingHeaders = engine->m_headersForColumn = false; }
    } done{this};
    const QList<HeaderEntry> entries = m_headers;
    for (const HeaderEntry &entry : entries) {
        TfrxBand *band = entry.band;
        if (!band)
            continue;
        const bool pageLevel = band == m_title || band == m_pageHeader;
        if (!pageLevel && !columnStartSet) {
            m_columnStartY = CurY;
            columnStartSet = true;
        }
        if ((m_firstPage && band == m_pageHeader && !band->PrintOnFirstPage()) || (m_keep.active && entry.kept)
            || (place == HeaderPlace::NewColumn && (band == m_title || (band == m_pageHeader && CurY != 0))))
            continue;
        if (place == HeaderPlace::NewPage)
            CurX = entry.x;
        const Counters counters = m_counters.value(m_bands.OwnerOf(band), Counters{CurLine, CurLineThrough});
        CurLine = counters.line;
        CurLineThrough = counters.lineThrough;
        if (band == m_title)
            m_titleTop = CurY;
        ShowBand(band);
        if (band == m_title)
            for (HeaderEntry &e : m_headers)
                if (e.band == m_title)
                    e.band = nullptr;
    }
    if (!columnStartSet)
        m_columnStartY = CurY;
    CurX = savedX;
    CurLine = savedLine;
    CurLineThrough = savedLineThrough;
}

void TfrxEngine::AddHeader(TfrxBand *band)
{
    if (band)
        m_headers << HeaderEntry{band, 0, m_keep.active};
}

void TfrxEngine::RemoveHeader(TfrxBand *band)
{
    if (!band || band == m_title || band == m_pageHeader)
        return;
    m_headers.removeIf([band](const HeaderEntry &e) { return e.band == band; });
}

double TfrxEngine::ReservedFooterHeight() const
{
    return (m_columnFooter ? m_columnFooter->Height() : 0) + (m_pageFooter ? m_pageFooter->Height() : 0);
}

double TfrxEngine::FreeSpace() const
{
    return PageHeight - ReservedFooterHeight() - CurY;
}

void TfrxEngine::FinishPage()
{
    const bool columns = m_page->Columns() > 1;
    if (columns) {
        ShowFooterBand(m_columnFooter, FooterRepeat::EveryColumn);
        CurX = 0;
        CurColumn = 1;
        m_columnStartY = 0;
    } else {
        ShowFooterBand(m_columnFooter, FooterRepeat::OncePerPage);
    }
    if (m_pageFooter) {
        CurY = PageHeight - m_pageFooter->Height();
        ShowFooterBand(m_pageFooter, FooterRepeat::OncePerPage);
    }
    m_firstPage = false;
}

void TfrxEngine::ShowFooterBand(TfrxBand *band, FooterRepeat repeat)
{
    if (!band)
        return;
    BeginOutput(band);
    const BandRelease release{this, band};
    StretchBand(band);
    if (band->Visible()) {
        band->SetLeft(band == m_pageFooter ? 0 : CurX);
        band->SetTop(CurY);
        const bool skipped = band == m_pageFooter
            && ((m_firstPage && !band->PrintOnFirstPage()) || (m_lastPage && !band->PrintOnLastPage()));
        if (!skipped) {
            if (repeat == FooterRepeat::EveryColumn || !m_store->HasBandOutput(band))
                m_store->RecordBand(band);
            CurY += band->Height();
        }
    }
    m_aggregates.ResetFor(band);
}

bool TfrxEngine::AddOutlineItem(const QString &outlineText, double top)
{
    TfrxCustomOutline *outline = m_store->Outline();
    if (outlineText.isEmpty() || !outline)
        return false;
    const QString text = m_hooks.calc ? m_hooks.calc(outlineText).toString() : outlineText;
    outline->AddItem(text, int(std::lround(top)));
    return true;
}

void TfrxEngine::EndOutlineItem(const TfrxBand *band)
{
    if (band && !band->OutlineText().isEmpty() && m_store->Outline())
        m_store->Outline()->LevelUp();
}

void TfrxEngine::NewPage()
{
    // Output kept together since a remembered position moves on as a whole,
    // unless it already starts the page's body: moving it would only leave an
    // empty page behind.
    const bool move = m_keep.active && m_keep.page == m_outputPage && m_keep.y > m_bodyTop;
    const double keptHeight = move ? CurY - m_keep.y : 0;
    if (move)
        m_store->CutTail(m_keep.position);
    FinishPage();
    OpenOutputPage();
    if (move) {
        m_store->PasteTail(m_keep.x, CurY);
        // The outline items of the kept output go along.
        if (TfrxCustomOutline *outline = m_store->Outline())
            outline->ShiftFrom(m_keep.outline, int(std::lround(CurY - m_keep.y)));
        CurY += keptHeight;
    }
    EndKeep(m_keep.band);
}

void TfrxEngine::NewColumn()
{
    if (CurColumn >= m_page->Columns()) {
        NewPage();
        return;
    }
    ShowFooterBand(m_columnFooter, FooterRepeat::EveryColumn);
    ++CurColumn;
    const QStringList &positions = m_page->ColumnPositions();
    bool ok = false;
    double mm = positions.value(CurColumn - 1).trimmed().replace(u',', u'.').toDouble(&ok);
    if (!ok)
        mm = (CurColumn - 1) * m_page->ColumnWidth();
    CurX = mm * kMmToPixels;
    CurY = m_columnStartY;
    ShowHeaderList(HeaderPlace::NewColumn);
    m_bodyTop = CurY;
}

void TfrxEngine::StartKeep(TfrxBand *band)
{
    if (m_keep.active || !band)
        return;
    const StorePosition here = CurrentPosition();
    m_keep = Keep{true, band, here.objects, here.page, here.x, here.y, here.outline};
}

void TfrxEngine::StartKeepAt(TfrxBand *band, const StorePosition &at)
{
    if (m_keep.active || !band || at.page != m_outputPage)
        return;
    m_keep = Keep{true, band, at.objects, at.page, at.x, at.y, at.outline};
}

TfrxEngine::StorePosition TfrxEngine::CurrentPosition() const
{
    TfrxCustomOutline *outline = m_store->Outline();
    return StorePosition{m_store->PageObjectCount(), m_outputPage, CurX, CurY,
                         outline ? outline->Position() : TfrxCustomOutline::Mark{}};
}

void TfrxEngine::EndKeep(TfrxBand *band)
{
    if (!m_keep.active || m_keep.band != band)
        return;
    m_keep.active = false;
    for (HeaderEntry &e : m_headers)
        e.kept = false;
}

void TfrxEngine::CallScript(const QString &procedure, QObject *sender)
{
    if (!procedure.isEmpty() && m_hooks.callScript)
        m_hooks.callScript(procedure, sender);
}

QVariant TfrxEngine::AggregateValue(TfsAggregate kind, const QString &expression, const QString &bandName,
                                    int flags) const
{
    return m_aggregates.Value(m_curBand, kind, expression, bandName, flags);
}
