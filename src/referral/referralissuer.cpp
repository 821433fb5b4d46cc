#include "referral/referralissuer.h"

#include "referral/referralformfiller.h"
#include "referral/statisticsrecorder.h"
#include "records/db/maindatasets.h"
#include "report/model/tfrxreport.h"

QString ReferralIssuer::statisticsQuestion()
{
    return QStringLiteral("İstatistik için kayıt eklensin mi?");
}

ReferralIssuer::ReferralIssuer(db::MainDatasets &data, Ask ask, Output output)
    : m_data(data), m_ask(std::move(ask)), m_output(std::move(output))
{
}

void ReferralIssuer::issue(TfrxReport &report, ReferralForm form, const ReferralValues &values,
                           StatisticsMode statistics, ReferralOutput output)
{
    if (values.content == FormContent::Filled)
        count(form, values.recipient, statistics);
    ReferralFormFiller::fill(report, form, values);
    m_output(report, output);
}

void ReferralIssuer::count(ReferralForm form, Recipient recipient, StatisticsMode statistics)
{
    // Without any staff member there is nobody to count for, and no point in
    // asking.
    if (m_data.Query1.isEmpty())
        return;
    switch (statistics) {
    case StatisticsMode::Always:
        break;
    case StatisticsMode::AskEachTime:
        if (!m_ask(statisticsQuestion()))
            return;
        break;
    case StatisticsMode::NotKept:
    case StatisticsMode::NoneSelected:
        return;
    }
    StatisticsRecorder(m_data).AddStatisticsRow(form, recipient);
}
