#pragma once
// TfrxReportCalc: the values of a report's expressions during a build.
//
// Calc(Expr) first tries name resolution and otherwise evaluates the text
// through the run's expression cache (each text compiled once per run).
// Names resolve in this order: a field reference `Dataset."Field"` of the
// report's datasets (Null replaced by the field kind's empty value with
// ConvertNulls), a system variable (Date, Time, Page, Page#, TotalPages,
// TotalPages#, Line, Line#), the report's Variables (a string value is itself
// an expression), a variable of the report's script.
//
// An expression that does not compile adds "<object>: Söz dizimi hatası
// '<text>': <message>" to the error list and ends the run (LoderaError). A
// name in angle brackets that nothing resolves adds "Bilinmeyen değişken veya
// saha: <name>" and the run goes on with Null.
//
// As the report's data loader it performs a memo's data step: a data-bound
// memo takes its field's display text (or the formatted value), any other
// memo with AllowExpressions has its bracketed expressions replaced, the
// script's Value follows the memo's value, the highlight condition is
// evaluated, and SuppressRepeated blanks a text equal to the last one
// printed by that memo.
#include "report/model/tfrxdataloader.h"

#include <QHash>
#include <QString>
#include <QVariant>

class TfrxCustomPreviewPages;
class TfrxEngine;
class TfrxReport;
class TfrxReportScript;

class TfrxReportCalc : public TfrxDataLoader
{
public:
    TfrxReportCalc(TfrxReport *report, TfrxReportScript &script, TfrxCustomPreviewPages &store);

    // The engine of the build; none between builds.
    void SetEngine(TfrxEngine *engine) { m_engine = engine; }
    // Forgets what memos printed last (a new run).
    void Reset() { m_lastPrinted.clear(); }
    // A band starting a new page shows its repeated values again.
    void ForgetMemo(const TfrxCustomMemoView &memo) override { m_lastPrinted.remove(&memo); }

    QVariant Calc(const QString &expression);
    bool ResolveName(const QString &name, QVariant &value);
    // The script's Get: resolved names, aggregates through Calc, otherwise
    // the "Bilinmeyen değişken veya saha:" line and Null.
    QVariant Get(const QString &name);

    void FetchMemo(TfrxCustomMemoView &memo) override;

private:
    QString errorPrefix() const;
    bool resolveField(const QString &name, QVariant &value);
    bool resolveSystemVariable(const QString &name, QVariant &value);
    void loadField(TfrxCustomMemoView &memo);
    void expandText(TfrxCustomMemoView &memo);

    TfrxReport *m_report;
    TfrxReportScript &m_script;
    TfrxCustomPreviewPages &m_store;
    TfrxEngine *m_engine = nullptr;
    QHash<const TfrxCustomMemoView *, QString> m_lastPrinted;
};
