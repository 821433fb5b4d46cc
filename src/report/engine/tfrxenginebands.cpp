#include "report/engine/tfrxenginebands.h"

#include "report/model/tfrxband.h"
#include "report/model/tfrxdataband.h"
#include "report/model/tfrxreportpage.h"

#include <map>

namespace {
enum BandKind {
    kHeader = 4,
    kFooter = 5,
    kMasterData = 6,
    kDataBand6 = 11,
    kGroupHeader = 12,
    kGroupFooter = 13,
};

bool isDataBand(int n) { return n >= kMasterData && n <= kDataBand6; }
} // namespace

TfrxDataSet *TfrxEngineBands::DataSetOf(TfrxBand *band) const
{
    if (auto *data = qobject_cast<TfrxDataBand *>(band); data && data->DataSet())
        return data->DataSet();
    return m_counters.value(band);
}

TfrxBand *TfrxEngineBands::OwnerOf(TfrxBand *band) const
{
    if (!band)
        return nullptr;
    for (auto it = m_links.cbegin(); it != m_links.cend(); ++it) {
        const DataBandLinks &l = it.value();
        if (l.header == band || l.footer == band || l.groups.contains(band))
            return it.key();
        for (TfrxBand *g : l.groups)
            if (m_groupFooters.value(g) == band)
                return it.key();
    }
    return nullptr;
}

void TfrxEngineBands::Prepare(TfrxReportPage *page, Orientation orientation)
{
    m_masters.clear();
    m_links.clear();
    m_groupFooters.clear();
    m_counters.clear();
    m_counterStore.clear();
    m_errors.clear();

    page->ArrangeAlignedChildren();
    const bool vertical = orientation == Orientation::Vertical;

    std::map<QString, TfrxBand *> sorted;
    for (TfrxComponent *c : page->Objects()) {
        auto *band = qobject_cast<TfrxBand *>(c);
        if (!band || band->Vertical() != vertical)
            continue;
        auto *data = qobject_cast<TfrxDataBand *>(band);
        if (data && !data->DataSet() && data->RowCount() > 0) {
            auto counter = std::make_unique<TfrxUserDataSet>();
            counter->SetRangeEnd(TfrxRangeEnd::reCount);
            counter->SetRangeEndCount(data->RowCount());
            counter->BeginReportRun();
            m_counters.insert(band, counter.get());
            m_counterStore.push_back(std::move(counter));
        }
        const int n = band->BandNumber();
        if (n < kHeader || n > kGroupFooter)
            continue;
        const double pos = vertical ? band->Left() : band->Top();
        sorted.emplace(QString::asprintf("%9.2f", pos), band); // a second band at a key is ignored
    }
    QList<TfrxBand *> list;
    for (const auto &entry : sorted)
        list.append(entry.second);

    // Group headers and their footers.
    QList<TfrxBand *> pendingGroups;
    QList<TfrxBand *> openGroups; // headers above, nearest last
    for (qsizetype i = 0; i < list.size();) {
        TfrxBand *band = list[i];
        const int n = band->BandNumber();
        if (n == kGroupHeader) {
            pendingGroups.append(band);
            openGroups.append(band);
            list.removeAt(i);
            continue;
        }
        if (n == kGroupFooter) {
            if (openGroups.isEmpty())
                m_errors << QStringLiteral("Grup başlığı olmayan ") + band->Name();
            else
                m_groupFooters.insert(openGroups.takeLast(), band);
            list.removeAt(i);
            continue;
        }
        if (isDataBand(n) && !pendingGroups.isEmpty()) {
            m_links[band].groups = pendingGroups;
            pendingGroups.clear();
        }
        ++i;
    }
    for (TfrxBand *g : pendingGroups)
        m_errors << QStringLiteral("Grup için veri bandı yok ") + g->Name();

    // Headers go to the data band below, footers to the data band above.
    for (qsizetype i = 0; i < list.size(); ++i) {
        TfrxBand *band = list[i];
        if (!isDataBand(band->BandNumber()))
            continue;
        if (i > 0 && list[i - 1]->BandNumber() == kHeader) {
            m_links[band].header = list[i - 1];
            list.removeAt(--i);
        }
        if (i + 1 < list.size() && list[i + 1]->BandNumber() == kFooter) {
            m_links[band].footer = list[i + 1];
            list.removeAt(i + 1);
        }
    }
    for (qsizetype i = 0; i < list.size();) {
        const int n = list[i]->BandNumber();
        if (n == kHeader || n == kFooter) {
            m_errors << QStringLiteral("Bağlantısız Rapor Başlığı/Sonu ") + list[i]->Name();
            list.removeAt(i);
        } else {
            ++i;
        }
    }

    // Master and detail.
    for (qsizetype i = 0; i < list.size();) {
        TfrxBand *band = list[i];
        if (band->BandNumber() != kMasterData) {
            ++i;
            continue;
        }
        list.removeAt(i);
        if (DataSetOf(band))
            m_masters.append(band);
        CollectNested(band, list, int(i));
    }
    for (TfrxBand *band : list)
        m_errors << QStringLiteral("Geçersiz band pozisyonu: ") + band->Name();
}

void TfrxEngineBands::CollectNested(TfrxBand *parent, QList<TfrxBand *> &list, int from)
{
    const int level = parent->BandNumber();
    qsizetype i = from;
    while (i < list.size()) {
        TfrxBand *band = list[i];
        const int n = band->BandNumber();
        if (n <= level)
            return;
        if (n != level + 1) {
            ++i; // a deeper level that skips one stays where it is
            continue;
        }
        list.removeAt(i);
        if (DataSetOf(band))
            m_links[parent].subBands.append(band);
        if (n != kDataBand6)
            CollectNested(band, list, int(i));
    }
}
