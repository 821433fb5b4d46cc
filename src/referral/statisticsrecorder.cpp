#include "referral/statisticsrecorder.h"

#include "records/db/maindatasets.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

QString StatisticsRecorder::kindText(ReferralForm form)
{
    return form == ReferralForm::Patient ? QStringLiteral("Normal") : QStringLiteral("Diş");
}

QString StatisticsRecorder::recipientText(Recipient recipient)
{
    return recipient == Recipient::Self ? QStringLiteral("Kendisi") : QStringLiteral("Yakını");
}

bool StatisticsRecorder::AddStatisticsRow(ReferralForm form, Recipient recipient)
{
    if (m_data.Query1.isEmpty())
        return false;

    db::Dataset &stats = m_data.QIstatistik;
    // Pending corrections of the editor window are stored (or refused) first,
    // so the append below starts from a clean state.
    stats.checkBrowseMode();
    stats.append(); // takes SiraNo from the current staff row
    try {
        stats.fieldByName(QStringLiteral("Tarih")).setValue(QDateTime(QDate::currentDate(), QTime(0, 0)));
        stats.fieldByName(QStringLiteral("SevkAlan")).setValue(recipientText(recipient));
        stats.fieldByName(QStringLiteral("Turu")).setValue(kindText(form));
        stats.fieldByName(QStringLiteral("Adet")).setValue(1);
        stats.post();
    } catch (...) {
        stats.cancel();
        throw;
    }

    m_data.ADOQuery1.close();
    m_data.ADOQuery1.open();
    return true;
}
