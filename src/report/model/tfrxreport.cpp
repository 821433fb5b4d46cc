#include "report/model/tfrxreport.h"

#include "platform/loderaerror.h"
#include "report/model/tfrxreportrun.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

TfrxReport::TfrxReport(TfrxComponent *AOwner)
    : TfrxComponent(AOwner),
      m_datasets(new TfrxReportDataSets(this)),
      m_variables(new TfrxVariables(this)),
      m_styles(new TfrxStyles(this)),
      m_engineOptions(new TfrxEngineOptions(this)),
      m_previewOptions(new TfrxPreviewOptions(this)),
      m_printOptions(new TfrxPrintOptions(this)),
      m_reportOptions(new TfrxReportOptions(this))
{
    Clear();
}

TfrxReport::~TfrxReport()
{
    // The run (and its store, whose pages refer to the template) goes first.
    m_run.reset();
    // Pages go first, while the lists they may refer to still exist.
    TfrxComponent::Clear();
}

void TfrxReport::Clear()
{
    TfrxComponent::Clear();
    m_datasets->Clear();
    m_variables->Clear();
    m_styles->Clear();
    m_engineOptions->SetConvertNulls(true);
    m_engineOptions->SetDoublePass(false);
    m_previewOptions->SetOutlineVisible(false);
    m_previewOptions->SetOutlineWidth(120);
    m_printOptions->Reset();
    m_reportOptions->Reset();
    m_dataSet = nullptr;
    m_dataSetName.clear();
    m_dotMatrixReport = false;
    m_scriptLanguage = QStringLiteral("PascalScript");
    m_scriptText = {QStringLiteral("begin"), QString(), QStringLiteral("end.")};
    m_systemVariables = {QStringLiteral("Date"),       QStringLiteral("Time"),
                         QStringLiteral("Page"),       QStringLiteral("Page#"),
                         QStringLiteral("TotalPages"), QStringLiteral("TotalPages#"),
                         QStringLiteral("Line"),       QStringLiteral("Line#")};
}

QList<QPair<QString, TfrxCollection *>> TfrxReport::Collections() const
{
    return {{QStringLiteral("Datasets"), m_datasets},
            {QStringLiteral("Variables"), m_variables},
            {QStringLiteral("Style"), m_styles}};
}

TfrxDataSet *TfrxReport::GetDataset(const QString &alias) const
{
    const TfrxDataSetItem *item = m_datasets->Find(alias);
    return item ? item->DataSet() : nullptr;
}

void TfrxReport::SetDataSet(TfrxDataSet *v)
{
    m_dataSet = v;
    m_dataSetName = v ? v->UserName() : QString();
}

QString TfrxReport::DataSetName() const
{
    return m_dataSet ? m_dataSet->UserName() : m_dataSetName;
}

void TfrxReport::SetDataSetName(const QString &v)
{
    m_dataSetName = v;
    m_dataSet = GetDataset(v);
}

void TfrxReport::AddError(const QString &text)
{
    const auto less = [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    const auto at = std::lower_bound(m_errors.begin(), m_errors.end(), text, less);
    if (at != m_errors.end() && at->compare(text, Qt::CaseInsensitive) == 0)
        return;
    m_errors.insert(at, text);
}

void TfrxReport::AddErrors(const QStringList &texts)
{
    for (const QString &t : texts)
        AddError(t);
}

QStringList TfrxReport::LoadFromFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw LoderaError(QStringLiteral("Rapor dosyası açılamadı: %1").arg(fileName));
    try {
        return LoadFromStream(&f);
    } catch (const LoderaError &e) {
        throw LoderaError(QStringLiteral("%1: %2").arg(fileName, e.message()));
    }
}

void TfrxReport::SaveToFile(const QString &fileName)
{
    // Written aside and put in place whole, so a failed write leaves the old file.
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly))
        throw LoderaError(QStringLiteral("Rapor dosyası yazılamadı: %1").arg(fileName));
    SaveToStream(&f);
    if (!f.commit())
        throw LoderaError(QStringLiteral("Rapor dosyası yazılamadı: %1").arg(fileName));
}

TfrxReportRun *TfrxReport::Run()
{
    if (!m_run)
        m_run = frxMakeReportRun(this);
    return m_run.get();
}

bool TfrxReport::BuildPages(bool ClearPrevious) { return Run()->BuildPages(ClearPrevious); }

bool TfrxReport::PrintPrepared() { return Run()->PrintPrepared(); }

void TfrxReport::ShowReport(bool ClearPrevious) { Run()->ShowReport(ClearPrevious); }

void TfrxReport::ShowBuiltPages() { Run()->ShowBuiltPages(); }

void TfrxReport::StopReport()
{
    if (m_run)
        m_run->StopReport();
}

bool TfrxReport::Terminated() const { return m_run && m_run->Terminated(); }

TfrxPreviewPages *TfrxReport::PreviewPages() { return Run()->PreviewPages(); }
