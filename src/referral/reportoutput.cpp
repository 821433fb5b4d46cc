#include "referral/reportoutput.h"

#include "report/output/reportdestination.h"

namespace ReportOutput {

void showOrPrint(TfrxReport &report, ReferralOutput output)
{
    ShowOrPrintReport(report, output == ReferralOutput::Preview ? ReportDestination::Preview
                                                                : ReportDestination::Printer);
}

} // namespace ReportOutput
