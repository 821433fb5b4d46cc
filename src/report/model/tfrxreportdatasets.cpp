#include "report/model/tfrxreportdatasets.h"

#include <utility>

TfrxDataSetItem *TfrxReportDataSets::AddItem()
{
    auto *item = new TfrxDataSetItem(this);
    m_items.append(item);
    connect(item, &QObject::destroyed, this, [this, item] { m_items.removeOne(item); });
    return item;
}

void TfrxReportDataSets::Clear()
{
    const QList<TfrxDataSetItem *> items = std::exchange(m_items, {});
    qDeleteAll(items);
}

TfrxDataSetItem *TfrxReportDataSets::Add(TfrxDataSet *ds)
{
    TfrxDataSetItem *item = AddItem();
    item->SetDataSet(ds);
    return item;
}

TfrxDataSetItem *TfrxReportDataSets::Find(const TfrxDataSet *ds) const
{
    for (TfrxDataSetItem *item : m_items)
        if (item->DataSet() == ds)
            return item;
    return nullptr;
}

TfrxDataSetItem *TfrxReportDataSets::Find(const QString &userName) const
{
    for (TfrxDataSetItem *item : m_items)
        if (item->DataSet() && TfrxComponent::SameName(item->DataSet()->UserName(), userName))
            return item;
    return nullptr;
}
