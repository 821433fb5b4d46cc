#pragma once
// The way a filled referral form leaves the program: the preview window, with
// the previous result cleared, or a fresh build sent straight to the
// template's printer without a dialog. The build's own errors have been shown
// by the report when it ends; printing goes ahead with whatever pages it
// prepared.
#include "referral/referralissuer.h"

class TfrxReport;

namespace ReportOutput {

void showOrPrint(TfrxReport &report, ReferralOutput output);

} // namespace ReportOutput
