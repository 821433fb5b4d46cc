#include "report/engine/tfrxdatabandwalker.h"

#include "report/engine/tfrxdatasetadapter.h"
#include "report/engine/tfrxengine.h"
#include "report/engine/tfrxenginegroups.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxdataband.h"
#include "report/model/tfrxdataloader.h"
#include "report/model/tfrxreport.h"

#include <algorithm>

namespace {
TfrxDataSetAdapter *adapter(TfrxDataSet *ds) { return qobject_cast<TfrxDataSetAdapter *>(ds); }
} // namespace

bool TfrxDataBandWalker::HasPrintableRows(const QList<TfrxBand *> &candidates, bool flag, Candidates kind)
{
    if (flag)
        return true;
    if (candidates.isEmpty())
        return kind == Candidates::OfBand;
    bool result = false;
    for (TfrxBand *band : candidates) {
        TfrxDataSetAdapter *ds = adapter(m_engine.m_bands.DataSetOf(band));
        if (!ds)
            continue;
        if (auto *data = qobject_cast<TfrxDataBand *>(band))
            m_engine.CallScript(data->OnMasterDetail(), data);
        for (ds->First(); !ds->Eof(); ds->Next())
            if (HasPrintableRows(m_engine.m_bands.Links(band).subBands, band->PrintIfDetailEmpty(),
                                 Candidates::OfBand)) {
                result = true;
                break;
            }
    }
    return result;
}

void TfrxDataBandWalker::Run(const QList<TfrxBand *> &bands)
{
    if (m_engine.m_hooks.processMessages)
        m_engine.m_hooks.processMessages();
    for (TfrxBand *band : bands) {
        if (m_engine.m_terminated)
            return;
        RunBand(band);
    }
}

void TfrxDataBandWalker::RunBand(TfrxBand *band)
{
    TfrxEngine &e = m_engine;
    TfrxDataSetAdapter *ds = adapter(e.m_bands.DataSetOf(band));
    if (!ds)
        return;
    const TfrxEngineBands::DataBandLinks links = e.m_bands.Links(band);
    auto *data = qobject_cast<TfrxDataBand *>(band);
    const int rowCount = data ? data->RowCount() : 0;
    const bool columns = e.IsColumnBand(band);
    // Groups keep whole: their rows are kept by the groups, not row by row.
    const bool keepRows = band->KeepTogether() && links.groups.isEmpty();
    TfrxEngineGroups groups(links.groups);
    TfrxEngine::StorePosition lastRow;
    BandColumns place{1, e.CurY, e.CurY};

    e.m_curObject = band->Name();
    ds->First();
    e.m_counters[band] = TfrxEngine::Counters{1, 1};
    // Every walk starts without repeated values: under each master row the
    // first detail row shows its texts, whatever the previous walk ended on.
    if (TfrxDataLoader *loader = e.m_report->DataLoader())
        for (TfrxComponent *c : band->Objects())
            if (auto *memo = qobject_cast<TfrxCustomMemoView *>(c))
                loader->ForgetMemo(*memo);
    bool first = true;
    while (!ds->Eof()) {
        if (HasPrintableRows(links.subBands, band->PrintIfDetailEmpty(), Candidates::OfBand)) {
            const bool headerKeep = first && (band->KeepTogether() || (band->KeepHeader() && links.header));
            if (first) {
                if (headerKeep)
                    e.StartKeep(band);
                e.ShowBand(links.header);
                if (links.header && links.header->ReprintOnNewPage())
                    e.AddHeader(links.header);
                place.top = place.bottom = e.CurY;
            } else if (keepRows) {
                e.StartKeep(band);
            }
            if (!groups.IsEmpty()) {
                const int changed = groups.Update(e.m_hooks.calc);
                if (changed < groups.Headers().size()) {
                    if (!first)
                        CloseGroups(groups, changed);
                    e.m_counters[band].line = 1;
                    OpenGroups(groups, changed);
                }
            }
            // Where the last row starts, for a footer kept with it.
            if (band->KeepFooter())
                lastRow = e.CurrentPosition();
            TfrxEngine::Counters &counters = e.m_counters[band];
            e.CurLine = counters.line;
            e.CurLineThrough = counters.lineThrough;
            if (columns) {
                FindColumnRoom(data, place);
                e.m_bandColumnX = (place.column - 1) * (data->ColumnWidth() + data->ColumnGap());
                e.ShowBand(band);
                place.bottom = std::max(place.bottom, e.CurY);
            } else {
                e.ShowBand(band);
            }
            // A kept row stays kept with everything nested under it.
            if (headerKeep && !keepRows)
                e.EndKeep(band);
            ++e.m_counters[band].line;
            ++e.m_counters[band].lineThrough;
            // What prints under the row nests under its outline item.
            e.AddOutlineItem(band->OutlineText(), e.m_placedTop);
            Run(links.subBands);
            e.EndOutlineItem(band);
            first = false;
        }
        if (band->FooterAfterEach())
            e.ShowBand(links.footer);
        if (keepRows)
            e.EndKeep(band);
        ds->Next();
        if ((rowCount != 0 && rowCount < e.m_counters[band].line) || e.m_terminated)
            break;
    }
    if (columns && !first)
        e.CurY = std::max(e.CurY, place.bottom);
    if (!first) {
        CloseGroups(groups, 0);
        if (!band->FooterAfterEach()) {
            if (band->KeepFooter())
                e.StartKeepAt(band, lastRow);
            e.ShowBand(links.footer);
            e.EndKeep(band);
        }
        e.RemoveHeader(links.header);
    }
}

void TfrxDataBandWalker::OpenGroups(TfrxEngineGroups &groups, int from)
{
    TfrxEngine &e = m_engine;
    for (int i = from; i < groups.Headers().size(); ++i) {
        TfrxBand *header = groups.Headers()[i];
        if (header->KeepTogether())
            e.StartKeep(header);
        e.ShowBand(header);
        e.AddOutlineItem(header->OutlineText(), e.m_placedTop);
        if (header->ReprintOnNewPage())
            e.AddHeader(header);
    }
}

void TfrxDataBandWalker::CloseGroups(TfrxEngineGroups &groups, int downTo)
{
    TfrxEngine &e = m_engine;
    for (int i = int(groups.Headers().size()) - 1; i >= downTo; --i) {
        TfrxBand *header = groups.Headers()[i];
        e.ShowBand(e.m_bands.GroupFooter(header));
        e.EndOutlineItem(header);
        e.RemoveHeader(header);
        e.EndKeep(header);
    }
}

void TfrxDataBandWalker::FindColumnRoom(TfrxDataBand *band, BandColumns &place)
{
    TfrxEngine &e = m_engine;
    if (e.FreeSpace() >= band->Height())
        return;
    if (place.column < band->Columns()) {
        ++place.column;
        e.CurY = place.top;
        return;
    }
    e.NewPage();
    place = BandColumns{1, e.CurY, e.CurY};
}
