#include "report/output/tfrxreportcalc.h"

#include "platform/loderaerror.h"
#include "report/engine/frxexpressionformat.h"
#include "report/engine/frxformatvalue.h"
#include "report/engine/frxmemotext.h"
#include "report/engine/tfrxdatasetadapter.h"
#include "report/engine/tfrxengine.h"
#include "report/engine/tfsvalue.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxengineoptions.h"
#include "report/model/tfrxformat.h"
#include "report/model/tfrxhighlight.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxvariables.h"
#include "report/output/tfrxcustompreviewpages.h"
#include "report/output/tfrxreportscript.h"

#include <QBuffer>
#include <QDateTime>
#include <QRegularExpression>

namespace {
TfrxValueFormat valueFormat(const TfrxFormat &f)
{
    TfrxValueFormat out;
    out.kind = TfrxValueFormat::Kind(int(f.Kind()));
    out.formatStr = f.FormatStr();
    out.decimalSeparator = f.DecimalSeparator();
    return out;
}
} // namespace

TfrxReportCalc::TfrxReportCalc(TfrxReport *report, TfrxReportScript &script, TfrxCustomPreviewPages &store)
    : m_report(report), m_script(script), m_store(store)
{
}

QString TfrxReportCalc::errorPrefix() const
{
    const QString object = m_engine ? m_engine->CurObject() : m_report->CurObject();
    return object.isEmpty() ? QString() : object + QStringLiteral(": ");
}

QVariant TfrxReportCalc::Calc(const QString &expression)
{
    QVariant value;
    if (ResolveName(expression, value))
        return value;
    QString error;
    switch (m_script.Expressions().calc(expression, &value, &error)) {
    case TfrxExpressionCache::Outcome::Value:
    case TfrxExpressionCache::Outcome::Stopped:
        return value;
    case TfrxExpressionCache::Outcome::CompileError: {
        const QString line =
            errorPrefix() + QStringLiteral("Söz dizimi hatası '") + expression + QStringLiteral("': ") + error;
        m_report->AddError(line);
        throw LoderaError(line);
    }
    case TfrxExpressionCache::Outcome::RuntimeError:
        // A value that cannot be computed for this row prints as nothing; the
        // line tells the user which object and why.
        m_report->AddError(errorPrefix() + error);
        return QVariant();
    }
    return value;
}

bool TfrxReportCalc::ResolveName(const QString &name, QVariant &value)
{
    if (resolveField(name, value) || resolveSystemVariable(name, value))
        return true;
    if (m_report->Variables()->Find(name)) {
        const QVariant v = m_report->Variables()->Value(name);
        value = v.typeId() == QMetaType::QString ? Calc(v.toString()) : v;
        return true;
    }
    return m_script.Script().variable(name, &value);
}

bool TfrxReportCalc::resolveField(const QString &name, QVariant &value)
{
    const qsizetype at = name.indexOf(QStringLiteral(".\""));
    if (at < 0)
        return false;
    const QString datasetName = name.left(at);
    const QString field = name.mid(at + 2).chopped(name.endsWith(QLatin1Char('"')) ? 1 : 0);
    auto *dataset = qobject_cast<TfrxDataSetAdapter *>(m_report->GetDataset(datasetName));
    if (!dataset || field.isEmpty())
        return false;
    value = dataset->Value(field);
    if (value.isNull() && m_report->EngineOptions()->ConvertNulls()) {
        switch (dataset->FieldType(field)) {
        case TfrxFieldType::fftNumeric:
            value = 0;
            break;
        case TfrxFieldType::fftString:
            value = QString();
            break;
        case TfrxFieldType::fftBoolean:
            value = false;
            break;
        }
    }
    return true;
}

bool TfrxReportCalc::resolveSystemVariable(const QString &name, QVariant &value)
{
    if (!m_report->SystemVariables().contains(name, Qt::CaseInsensitive))
        return false;
    const QString key = name.toLower();
    const int pageIndex = m_store.WritePageIndex;
    const int firstPage = m_store.PartStartPage;
    const int total = m_engine ? m_engine->TotalPages : 0;
    if (key == QLatin1String("date"))
        value = m_engine ? m_engine->StartDate : QDate::currentDate();
    else if (key == QLatin1String("time"))
        value = m_engine ? m_engine->StartTime : QTime::currentTime();
    else if (key == QLatin1String("page"))
        value = pageIndex - firstPage + 1;
    else if (key == QLatin1String("page#"))
        value = pageIndex + 1;
    else if (key == QLatin1String("totalpages"))
        value = total - firstPage;
    else if (key == QLatin1String("totalpages#"))
        value = total;
    else if (key == QLatin1String("line"))
        value = m_engine ? m_engine->CurLine : 0;
    else if (key == QLatin1String("line#"))
        value = m_engine ? m_engine->CurLineThrough : 0;
    return true;
}

QVariant TfrxReportCalc::Get(const QString &name)
{
    QVariant value;
    if (ResolveName(name, value))
        return value;
    static const QRegularExpression aggregate(QStringLiteral("^\\s*(SUM|MIN|MAX|AVG|COUNT)\\s*\\("),
                                              QRegularExpression::CaseInsensitiveOption);
    if (aggregate.match(name).hasMatch())
        return Calc(name);
    m_report->AddError(QStringLiteral("Bilinmeyen değişken veya saha: ") + name);
    return QVariant();
}

void TfrxReportCalc::FetchMemo(TfrxCustomMemoView &memo)
{
    if (memo.IsDataField())
        loadField(memo);
    else if (memo.AllowExpressions())
        expandText(memo);

    m_script.Script().setVariable(QStringLiteral("Value"), memo.Value());

    TfrxHighlight *highlight = memo.Highlight();
    highlight->SetActive(false);
    if (!highlight->Condition().trimmed().isEmpty())
        highlight->SetActive(tfs::toBoolean(Calc(highlight->Condition())));

    if (memo.SuppressRepeated()) {
        const QString text = memo.Text();
        auto last = m_lastPrinted.find(&memo);
        if (last != m_lastPrinted.end() && *last == text)
            memo.SetMemo({});
        else
            m_lastPrinted.insert(&memo, text);
    }
}

void TfrxReportCalc::loadField(TfrxCustomMemoView &memo)
{
    auto *dataset = qobject_cast<TfrxDataSetAdapter *>(memo.DataSet());
    if (!dataset)
        return;
    const QString &field = memo.DataField();
    if (dataset->IsBlobField(field)) {
        QBuffer blob;
        blob.open(QIODevice::ReadWrite);
        dataset->CopyBlobTo(field, &blob);
        memo.SetText(QString::fromUtf8(blob.data()));
        return;
    }
    const QVariant value = dataset->Value(field);
    memo.SetValue(value);
    const TfrxValueFormat format = valueFormat(*memo.DisplayFormat());
    QString text = format.kind == TfrxValueFormat::Kind::fkText ? dataset->DisplayText(field)
                                                                : FormatValue(value, format);
    if (memo.HideZeros() && IsNumericZero(value))
        text.clear();
    memo.SetText(text);
}

void TfrxReportCalc::expandText(TfrxCustomMemoView &memo)
{
    const QString text = memo.Text();
    const TfrxExpressionDelimiters delimiters = SplitExpressionDelimiters(memo.ExpressionDelimiters());
    if (delimiters.open.isEmpty() || !text.contains(delimiters.open))
        return;
    const TfrxValueFormat format = valueFormat(*memo.DisplayFormat());
    const TfrxHideZeros hideZeros = memo.HideZeros() ? TfrxHideZeros::On : TfrxHideZeros::Off;
    const auto calc = [this](const QString &expression) { return Calc(expression); };
    const QString expanded = ExpandMemoText(text, delimiters, [&](const QString &content) {
        QVariant value;
        const QString printed = MemoExpressionText(content, format, hideZeros, calc, &value);
        memo.SetValue(value);
        return printed;
    });
    memo.SetText(expanded);
}
