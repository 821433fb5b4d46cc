#include "report/output/reportdestination.h"

#include "report/model/tfrxreport.h"

void ShowOrPrintReport(TfrxReport &report, ReportDestination destination)
{
    if (destination == ReportDestination::Preview) {
        report.ShowReport(true);
        return;
    }
    report.BuildPages(true);
    report.PrintPrepared();
}
