#pragma once
// The datasets a report's templates may use. An entry disappears together with
// its dataset.
#include "report/model/tfrxcollection.h"
#include "report/model/tfrxdatasetitem.h"

class TfrxReportDataSets : public TfrxCollection
{
    Q_OBJECT
public:
    explicit TfrxReportDataSets(QObject *parent = nullptr) : TfrxCollection(parent) {}

    int Count() const override { return int(m_items.size()); }
    TfrxDataSetItem *ItemAt(int index) const override { return m_items.value(index); }
    TfrxDataSetItem *AddItem() override;
    void Clear() override;

    // Appends an entry for the dataset.
    TfrxDataSetItem *Add(TfrxDataSet *ds);
    // The entry of this very dataset, or none.
    TfrxDataSetItem *Find(const TfrxDataSet *ds) const;
    // The entry whose dataset's UserName equals the name (ASCII letters without
    // case); entries without a dataset are skipped.
    TfrxDataSetItem *Find(const QString &userName) const;

private:
    QList<TfrxDataSetItem *> m_items;
};
