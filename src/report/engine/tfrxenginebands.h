#pragma once
// The band structure of one report page for one run: which data bands the page
// walks (its master bands), which data bands nest under each of them, and the
// header, footer and group headers that belong to each data band.
//
// The bands are put in order by Top (Left for vertical bands) through a sorted
// list keyed by the coordinate written with two decimals, which ignores a
// second band at the same key: such a band takes no part in the run. Then
// group headers go to the data band after them, group footers to the group
// header above them, a header to the data band below it and a footer to the
// data band above it; a master data band collects the bands of the next level
// that follow it. What is left over is a band in a place that means nothing,
// and gets an error line naming it.
//
// A data band without a dataset that prints RowCount rows walks a private
// row counter owned here.
#include "report/engine/tfrxuserdataset.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <memory>
#include <vector>

class TfrxBand;
class TfrxDataSet;
class TfrxReportPage;

class TfrxEngineBands
{
public:
    struct DataBandLinks {
        TfrxBand *header = nullptr;
        TfrxBand *footer = nullptr;
        QList<TfrxBand *> groups;   // group headers, outermost first
        QList<TfrxBand *> subBands; // nested data bands with a dataset
    };

    enum class Orientation { Horizontal, Vertical };

    // Builds the structure; error lines are collected, not thrown.
    void Prepare(TfrxReportPage *page, Orientation orientation);

    const QList<TfrxBand *> &MasterBands() const { return m_masters; }
    // Links of a data band (an empty record for any other band).
    DataBandLinks Links(TfrxBand *band) const { return m_links.value(band); }
    // The footer attached to a group header.
    TfrxBand *GroupFooter(TfrxBand *groupHeader) const { return m_groupFooters.value(groupHeader); }
    // The data band that a header, footer, group header or group footer
    // belongs to; none for any other band.
    TfrxBand *OwnerOf(TfrxBand *band) const;
    // The band's dataset, or its row counter.
    TfrxDataSet *DataSetOf(TfrxBand *band) const;
    const QStringList &Errors() const { return m_errors; }

private:
    void CollectNested(TfrxBand *parent, QList<TfrxBand *> &list, int from);

    QList<TfrxBand *> m_masters;
    QHash<TfrxBand *, DataBandLinks> m_links;
    QHash<TfrxBand *, TfrxBand *> m_groupFooters;
    QHash<TfrxBand *, TfrxUserDataSet *> m_counters;
    std::vector<std::unique_ptr<TfrxUserDataSet>> m_counterStore;
    QStringList m_errors;
};
