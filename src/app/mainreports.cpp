#include "app/mainreports.h"

#include "records/db/maindatasets.h"
#include "referral/reportdatabinding.h"
#include "report/engine/tfrxdbdataset.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxreport.h"

MainReports::MainReports(db::MainDatasets &data, QObject *owner)
{
    frxDBDataset1 = ReportDataBinding::makeReportDataset(data.Query1, QStringLiteral("frxDBDataset1"), owner);
    frxDBDataset2 = ReportDataBinding::makeReportDataset(data.QIstatistik, QStringLiteral("frxDBDataset2"), owner);
    m_hasta = CreateTemplate(TemplateName::RpHasta);
    m_dis = CreateTemplate(TemplateName::RpDis);
    m_detay = CreateTemplate(TemplateName::RpDetay);
    m_kisisel = CreateTemplate(TemplateName::RpKisisel);
}

MainReports::~MainReports() = default;
