#include "report/model/tfrxdatasetitem.h"

#include "report/model/tfrxreportdatasets.h"

void TfrxDataSetItem::attach(TfrxDataSet *ds)
{
    disconnect(m_watch);
    m_dataSet = ds;
    if (ds && qobject_cast<TfrxReportDataSets *>(parent()))
        m_watch = connect(ds, &QObject::destroyed, this, [this] { delete this; });
}

void TfrxDataSetItem::SetDataSet(TfrxDataSet *v)
{
    attach(v);
    m_dataSetName = v ? v->UserName() : QString();
}

QString TfrxDataSetItem::DataSetName() const
{
    return m_dataSet ? m_dataSet->UserName() : m_dataSetName;
}

void TfrxDataSetItem::SetDataSetName(const QString &v)
{
    m_dataSetName = v;
    attach(FindGlobal(v));
}

TfrxDataSet *TfrxDataSetItem::FindGlobal(const QString &userName)
{
    if (userName.isEmpty())
        return nullptr;
    for (TfrxDataSet *ds : TfrxDataSet::Registry())
        if (TfrxComponent::SameName(ds->UserName(), userName))
            return ds;
    return nullptr;
}
