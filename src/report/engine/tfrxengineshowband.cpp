// The output of one band: stretching it to its content, finding it room on
// the page (a new page or column, or a split over several), placing and
// recording it, its child bands and what it adds to the aggregates.
#include "report/engine/tfrxengine.h"

#include "report/engine/tfrxbandsplitter.h"
#include "report/engine/tfrxbandstretcher.h"
#include "report/model/tfrxdataband.h"
#include "report/model/tfrxchild.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxdataloader.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxnullband.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxview.h"
#include "report/output/tfrxcustompreviewpages.h"

#include <exception>

namespace {
enum BandKind {
    kReportSummary = 1,
    kPageFooter = 3,
    kFooter = 5,
    kGroupHeader = 12,
    kGroupFooter = 13,
    kOverlay = 17,
};
} // namespace

bool TfrxEngine::IsColumnBand(TfrxBand *band) const
{
    auto *data = qobject_cast<TfrxDataBand *>(band);
    return data && data->Columns() > 1;
}

void TfrxEngine::ShowBand(const QMetaObject &bandClass)
{
    if (!m_page)
        return;
    for (TfrxComponent *c : m_page->Objects())
        if (c->metaObject()->inherits(&bandClass)) {
            ShowBand(qobject_cast<TfrxBand *>(c));
            return;
        }
}

void TfrxEngine::ShowBand(TfrxBand *band)
{
    if (!band)
        return;
    const bool keepChild = band->KeepChild() && band->Child();
    if (keepChild)
        StartKeep(band);
    ShowBandItself(band);
    if (TfrxBand *child = band->Child())
        if (band->Visible() || band->PrintChildIfInvisible())
            ShowBand(child);
    if (keepChild)
        EndKeep(band);
    if (qobject_cast<TfrxDataBand *>(band))
        m_aggregates.AddRow(band, band->Visible(), m_hooks.calc);
}

void TfrxEngine::ShowBandItself(TfrxBand *band)
{
    m_curObject = band->Name();
    m_placedTop = CurY;
    const int kind = band->BandNumber();
    if (!m_printingHeaders && band->Visible() && band->StartNewPage()) {
        // A data band's first row, or a group's first start, never opens a
        // page: the band's walk has only just begun.
        TfrxBand *walked = kind == kGroupHeader ? m_bands.OwnerOf(band) : band;
        const bool rowLike = qobject_cast<TfrxDataBand *>(band) || kind == kGroupHeader;
        if (!rowLike || m_counters.value(walked).lineThrough != 1)
            NewPage();
    }
    BeginOutput(band);
    // Whatever happens while the band is output, it gets its template state back.
    const BandRelease release{this, band};
    StretchBand(band);
    bool split = false;
    if (band->Visible() && kind != kOverlay && !IsColumnBand(band) && !m_printingHeaders
        && FreeSpace() < band->Height()) {
        if (band->AllowSplit()) {
            SplitBand(band);
            split = true;
        } else {
            NewColumn();
            // The band's objects loaded their data on the page it did not
            // fit on; they load it again where the band prints, so that a
            // page number names this page.
            ReloadBand(band);
        }
    }
    if (!split && band->Visible())
        PlaceBand(band);
    if (kind == kFooter || kind == kGroupFooter || kind == kPageFooter || kind == kReportSummary)
        m_aggregates.ResetFor(band);
}

void TfrxEngine::PlaceBand(TfrxBand *band)
{
    if (!qobject_cast<TfrxNullBand *>(band)) {
        band->SetLeft(IsColumnBand(band) ? CurX + m_bandColumnX : CurX);
        band->SetTop(CurY);
    }
    m_placedTop = CurY;
    // A header-list band is on a page once, unless it repeats in a new page column.
    if (!m_printingHeaders || m_headersForColumn || !m_store->HasBandOutput(band))
        m_store->RecordBand(band);
    CurY += band->Height();
}

void TfrxEngine::SplitBand(TfrxBand *band)
{
    TfrxBandSplitter splitter(band, m_hooks.splitText);
    while (!splitter.Done() && !m_terminated) {
        const bool fresh = CurY <= m_bodyTop;
        if (!splitter.NextPart(FreeSpace(), fresh ? TfrxPartPlacement::MustTake : TfrxPartPlacement::MayWait)) {
            NewColumn();
            continue;
        }
        PlaceBand(band);
        if (!splitter.Done())
            NewColumn();
    }
}

void TfrxEngine::BeginOutput(TfrxBand *band)
{
    // All of the band is saved before anything can fail, so that releasing
    // it after an error puts back exactly the template.
    band->BeforeOutput();
    for (TfrxComponent *c : band->Objects())
        if (auto *object = qobject_cast<TfrxReportComponent *>(c))
            object->BeforeOutput();
}

void TfrxEngine::ReloadBand(TfrxBand *band)
{
    // Back to the template first: an expanded text must not be expanded a
    // second time. The band's and its objects' before-print events run again
    // with the load, as they would for a band that starts on this page.
    TfrxDataLoader *loader = m_report->DataLoader();
    for (TfrxComponent *c : band->Objects())
        if (auto *object = qobject_cast<TfrxReportComponent *>(c)) {
            object->AfterOutput();
            if (auto *memo = qobject_cast<TfrxCustomMemoView *>(object); memo && loader)
                loader->ForgetMemo(*memo);
        }
    band->AfterOutput();
    BeginOutput(band);
    StretchBand(band);
}

void TfrxEngine::StretchBand(TfrxBand *band)
{
    m_curBand = band;
    m_curObject = band->Name();
    CallScript(band->OnBeforePrint(), band);
    const bool visible = band->Visible();
    for (TfrxComponent *c : band->Objects()) {
        auto *object = qobject_cast<TfrxReportComponent *>(c);
        if (!object || !visible)
            continue;
        m_curObject = object->Name();
        auto *view = qobject_cast<TfrxView *>(object);
        if (view)
            CallScript(view->OnBeforePrint(), view);
        if (object->Visible()) {
            object->FetchData();
            if (view)
                CallScript(view->OnAfterData(), view);
        }
    }
    m_curObject = band->Name();
    if (!visible)
        return;
    TfrxBandStretcher::Grow(band, m_hooks.calcHeight);
    const double bottom = TfrxBandStretcher::ContentBottom(band);
    if (band->Stretched())
        band->SetHeight(bottom);
    CallScript(band->OnAfterCalcHeight(), band);
    TfrxBandStretcher::FitMaxHeight(band, bottom);
}

TfrxEngine::BandRelease::~BandRelease()
{
    engine->ReleaseBand(band);
}

void TfrxEngine::ReleaseBand(TfrxBand *band)
{
    // While an error unwinds, the band is only restored: a script event
    // raising a second error now could not be reported.
    const bool unwinding = std::uncaught_exceptions() > 0;
    if (band->Visible() && !unwinding)
        for (TfrxComponent *c : band->Objects())
            if (auto *view = qobject_cast<TfrxView *>(c)) {
                m_curObject = view->Name();
                CallScript(view->OnAfterPrint(), view);
            }
    for (TfrxComponent *c : band->Objects())
        if (auto *object = qobject_cast<TfrxReportComponent *>(c))
            object->AfterOutput();
    m_curObject = band->Name();
    if (!unwinding)
        CallScript(band->OnAfterPrint(), band);
    band->AfterOutput();
}

void TfrxEngine::ShowPageObjects(TfrxReportPage *page)
{
    // Objects placed on the page itself print at their own positions, once,
    // through a band of no size of their own.
    TfrxNullBand holder;
    QList<TfrxComponent *> objects;
    for (TfrxComponent *c : page->Objects())
        if (!qobject_cast<TfrxBand *>(c))
            objects << c;
    if (objects.isEmpty())
        return;
    struct GiveBack {
        TfrxReportPage *page;
        const QList<TfrxComponent *> &objects;
        ~GiveBack()
        {
            for (TfrxComponent *c : objects)
                c->SetParent(page);
        }
    } giveBack{page, objects};
    for (TfrxComponent *c : objects)
        c->SetParent(&holder);
    ShowBand(&holder);
}
