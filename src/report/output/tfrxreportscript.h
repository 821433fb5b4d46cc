#pragma once
// TfrxReportScript: the script of one report and the compiled expressions of
// its runs.
//
// Prepare() is the start of every build: the expression cache is emptied,
// the script is cleared and filled again with the report's objects (each
// under its Name) and "Report", the variable "Value",
// "Get" and "Set" over the report's Variables and the IIF macro, and then the
// report's ScriptText is compiled. A text that does not compile gives the
// line "Script Hatası <line:column>: <message>" and Prepare() answers false.
//
// The objects registered are those of the template as it is at the start of
// the build; the next Prepare() registers them again, so a reloaded template
// never leaves the script pointing at destroyed objects (the script holds
// guarded pointers to them meanwhile).
#include "report/engine/tfrxexpressioncache.h"
#include "report/engine/tfsscript.h"

#include <QString>

class TfrxReport;

class TfrxReportScript
{
public:
    explicit TfrxReportScript(TfrxReport *report);

    // False with the error line in `error` when the script does not compile.
    bool Prepare(QString *error);

    TfsScript &Script() { return m_script; }
    TfrxExpressionCache &Expressions() { return m_cache; }

private:
    TfrxReport *m_report;
    TfsScript m_script;
    TfrxExpressionCache m_cache;
};
