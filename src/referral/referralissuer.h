#pragma once
// Issuing one referral form, in the office's order: count it (unless a blank
// form is asked for, and as the statistics option says, asking the clerk when
// the option wants a confirmation), fill both copies of the form, then show it
// in the preview or send it straight to the printer.
//
// The row is stored before anything is filled or printed; when it cannot be
// stored, the issue ends there with the error and nothing is output.
// Cancelling the preview or the printing later does not take the row back.
//
// The question and the output are handed in by the window, so the order of
// the steps can be followed without a screen or a printer.
#include "referral/referralvalues.h"
#include "settings/settingsoptions.h"

#include <functional>

namespace db {
class MainDatasets;
}
class TfrxReport;

// Where the filled form goes.
enum class ReferralOutput {
    Preview, // the preview window, from which the clerk prints
    Print,   // straight to the template's printer, without a dialog
};

class ReferralIssuer
{
public:
    // Asks a yes-or-no question; true for yes.
    using Ask = std::function<bool(const QString &question)>;
    using Output = std::function<void(TfrxReport &report, ReferralOutput output)>;

    // The question asked before counting when the option wants a confirmation.
    static QString statisticsQuestion();

    ReferralIssuer(db::MainDatasets &data, Ask ask, Output output);

    // Throws LoderaError when the statistics row cannot be stored (nothing has
    // been filled or output then) or when the template lacks a fill memo.
    void issue(TfrxReport &report, ReferralForm form, const ReferralValues &values,
               StatisticsMode statistics, ReferralOutput output);

private:
    void count(ReferralForm form, Recipient recipient, StatisticsMode statistics);

    db::MainDatasets &m_data;
    Ask m_ask;
    Output m_output;
};
