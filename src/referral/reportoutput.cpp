#include "referral/reportoutput.h"

#include "report/model/tfrxreport.h"

namespace ReportOutput {

void showOrPrint(TfrxReport &report, ReferralOutput output)
{
    if (output == ReferralOutput::Preview) {
        report.ShowReport(true);
        return;
    }
    report.BuildPages(true);
    report.PrintPrepared();
}

} // namespace ReportOutput
