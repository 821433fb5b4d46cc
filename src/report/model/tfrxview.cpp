#include "report/model/tfrxview.h"

#include "report/model/tfrxreport.h"

TfrxView::TfrxView(TfrxComponent *AOwner) : TfrxReportComponent(AOwner), m_frame(new TfrxFrame(this)) {}

void TfrxView::SetDataSet(TfrxDataSet *v)
{
    m_dataSet = v;
    m_dataSetName = v ? v->UserName() : QString();
}

QString TfrxView::DataSetName() const
{
    return m_dataSet ? m_dataSet->UserName() : m_dataSetName;
}

void TfrxView::SetDataSetName(const QString &v)
{
    m_dataSetName = v;
    TfrxReport *report = OwnerReport();
    m_dataSet = report ? report->GetDataset(v) : nullptr;
}

void TfrxView::BeforeOutput()
{
    TfrxReportComponent::BeforeOutput();
    m_savedTagStr = m_tagStr;
    m_savedURL = m_url;
}

void TfrxView::AfterOutput()
{
    TfrxReportComponent::AfterOutput();
    m_tagStr = m_savedTagStr;
    m_url = m_savedURL;
}
