#include "report/engine/tfrxdatasetadapter.h"

#include "platform/loderaerror.h"
#include "report/base/tfrxresources.h"
#include "report/model/tfrxreport.h"

TfrxDataSetAdapter::TfrxDataSetAdapter(TfrxComponent *AOwner) : TfrxDataSet(AOwner) {}

void TfrxDataSetAdapter::SetUserName(const QString &v)
{
    if (v.trimmed().isEmpty())
        throw LoderaError(frxResources()->Get(QStringLiteral("prInvProp")));
    TfrxDataSet::SetUserName(v);
}

QString TfrxDataSetAdapter::DisplayText(const QString &) { return QString(); }
int TfrxDataSetAdapter::DisplayWidth(const QString &) { return 10; }
TfrxFieldType TfrxDataSetAdapter::FieldType(const QString &) { return TfrxFieldType::fftNumeric; }
QVariant TfrxDataSetAdapter::Value(const QString &) { return QVariant(); }

void TfrxDataSetAdapter::Open()
{
    if (OnOpen)
        OnOpen(this);
}

void TfrxDataSetAdapter::Close()
{
    if (OnClose)
        OnClose(this);
}

void TfrxDataSetAdapter::First()
{
    SetRecNo(0);
    if (OnFirst)
        OnFirst(this);
}

void TfrxDataSetAdapter::Next()
{
    SetRecNo(RecNo() + 1);
    const bool rangeReached = RangeEnd() == TfrxRangeEnd::reCount && RecNo() >= RangeEndCount();
    if (!rangeReached && OnNext)
        OnNext(this);
}

void TfrxDataSetAdapter::Prior()
{
    SetRecNo(RecNo() - 1);
    if (OnPrior)
        OnPrior(this);
}

bool TfrxDataSetAdapter::Eof()
{
    bool eof = RangeEnd() == TfrxRangeEnd::reCount && RecNo() >= RangeEndCount();
    if (OnCheckEOF)
        OnCheckEOF(this, eof);
    return eof;
}

int TfrxDataSetAdapter::RecordCount()
{
    if (RangeBegin() == TfrxRangeBegin::rbFirst && RangeEnd() == TfrxRangeEnd::reCount)
        return RangeEndCount();
    return 0;
}

bool TfrxDataSetAdapter::HasField(const QString &name)
{
    QStringList list;
    GetFieldList(list);
    return list.contains(name, Qt::CaseInsensitive);
}

void TfrxDataSetAdapter::SetRunReport(TfrxReport *report, std::function<QString()> currentObject)
{
    m_report = report;
    m_currentObject = std::move(currentObject);
}

TfrxReport *TfrxDataSetAdapter::RunReport() const
{
    return m_report.data();
}

void TfrxDataSetAdapter::ReportError(const QString &text) const
{
    if (!m_report)
        return;
    const QString object = m_currentObject ? m_currentObject() : QString();
    m_report->AddError(object + QStringLiteral(": ") + text);
}

QString TfrxDataSetAdapter::FieldNotFoundText(const QString &field) const
{
    return QStringLiteral("Saha bulunamadı: ") + UserName() + QLatin1Char('.') + QLatin1Char('"') + field
        + QLatin1Char('"');
}

TfrxDataSet *TfrxDataSetAdapter::FindDataSet(TfrxDataSet *current, const QString &name, TfrxReport *report)
{
    if (name.isEmpty())
        return nullptr;
    if (!report)
        return current;
    const QString folded = name.toCaseFolded();
    for (TfrxDataSet *ds : TfrxDataSet::Registry()) {
        if (ds->UserName().toCaseFolded() != folded)
            continue;
        TfrxReport *owner = ds->OwnerReport();
        if (owner && owner != report)
            continue;
        return ds;
    }
    return current;
}
