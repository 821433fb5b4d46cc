#pragma once
// Counts an issued referral: one row of istatistik for the current staff
// member, stored at once, after which the per-staff counts are read again so
// the statistics page shows the new number.
//
// A row is only ever stored whole. When the database refuses it, the append is
// dropped again (the statistics dataset is back in browse state, nothing is
// in the table) and the error goes to the caller, which must not go on to
// print. With no staff member at all there is nobody to count the referral
// for, so nothing is added.
#include "referral/referralvalues.h"

#include <QString>

namespace db {
class MainDatasets;
}

class StatisticsRecorder
{
public:
    explicit StatisticsRecorder(db::MainDatasets &data) : m_data(data) {}

    // "Normal" for the patient form, "Diş" for the dental form.
    static QString kindText(ReferralForm form);
    // "Kendisi" or "Yakını".
    static QString recipientText(Recipient recipient);

    // Appends and stores the row, then re-reads ADOQuery1. False when the
    // staff list is empty and nothing was added. Throws LoderaError when the
    // row cannot be stored.
    bool AddStatisticsRow(ReferralForm form, Recipient recipient);

private:
    db::MainDatasets &m_data;
};
