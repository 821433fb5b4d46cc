#pragma once
// TfrxReportScript: the script of one report and the compiled expressions of
// its runs.
//
// Prepare() is the start of every build: the expression cache is emptied,
// the script is cleared and filled again with the report's objects (each
// under its Name) and "Report", the variable "Value", "Get" and "Calc" (the
// functions given), "Set" over the report's Variables, the IIF macro
// (calculating through "Calc"), the aggregate macros SUM, AVG, MIN, MAX and
// COUNT (answered by the engine of the build), "Engine", the band engine
// of the build, and "Outline", and then the report's ScriptText is compiled.
//
// "Engine" shows CurX, CurY, CurColumn, CurVColumn, PageHeight, PageWidth
// and TotalPages (all of them writable), FinalPass, DoublePass, StartDate
// and StartTime, and the calls ShowBand(Band), NewPage, NewColumn,
// FreeSpace and StopReport. "Outline" is the outline of the prepared pages:
// AddItem(Text[, Top]), LevelRoot, LevelUp, LevelDown(Index) and Count.
// Between builds neither has members, and an aggregate is Null. A text that does not compile gives the
// line "Script Hatası <line:column>: <message>" and Prepare() answers false.
//
// The objects registered are those of the template as it is at the start of
// the build; the next Prepare() registers them again, so a reloaded template
// never leaves the script pointing at destroyed objects (the script holds
// guarded pointers to them meanwhile).
#include "report/engine/tfrxexpressioncache.h"
#include "report/engine/tfsscript.h"

#include <QString>
#include <QVariant>

#include <functional>

class TfrxEngine;
class TfrxReport;

class TfrxReportScript
{
public:
    explicit TfrxReportScript(TfrxReport *report);

    using Evaluator = std::function<QVariant(const QString &)>;
    // False with the error line in `error` when the script does not compile.
    bool Prepare(const Evaluator &get, const Evaluator &calc, QString *error);

    // The engine of the build that "Engine" and the aggregates reach; none
    // between builds.
    void SetEngine(TfrxEngine *engine) { m_engine = engine; }
    TfrxEngine *Engine() const { return m_engine; }

    TfsScript &Script() { return m_script; }
    TfrxExpressionCache &Expressions() { return m_cache; }

private:
    TfrxReport *m_report;
    TfrxEngine *m_engine = nullptr;
    TfsScript m_script;
    TfrxExpressionCache m_cache;
};
