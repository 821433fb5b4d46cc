#pragma once
// How a statistics list leaves the program: with the preview option of the
// settings window ticked it opens in the preview window, otherwise it is built
// and printed at once on the default printer, without a dialog, whatever the
// build's outcome, exactly as a referral form leaves.
#include "report/output/reportdestination.h"

class QString;
class TfrxReport;

using ListDestination = ReportDestination;

class ListOutput
{
public:
    // The destination the options ask for now.
    static ListDestination destination();
    static void output(TfrxReport *report);
    static void output(TfrxReport *report, ListDestination destination);

    // Writes `text` into the memo `name` of the report, looked up by name each
    // time: a run rebuilds the report's objects, so none may be kept.
    // Throws LoderaError when the report has no such memo.
    static void writeMemo(TfrxReport *report, const QString &name, const QString &text);
};
