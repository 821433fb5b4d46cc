#include "report/model/tfrxdataband.h"

#include "report/model/tfrxreport.h"

void TfrxDataBand::SetDataSet(TfrxDataSet *v)
{
    m_dataSet = v;
    m_dataSetName = v ? v->UserName() : QString();
}

QString TfrxDataBand::DataSetName() const
{
    return m_dataSet ? m_dataSet->UserName() : m_dataSetName;
}

void TfrxDataBand::SetDataSetName(const QString &v)
{
    m_dataSetName = v;
    TfrxReport *report = OwnerReport();
    m_dataSet = report ? report->GetDataset(v) : nullptr;
}
