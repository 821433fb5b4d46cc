#include "referral/referralrows.h"

#include "records/db/maindatasets.h"

namespace {

QString text(const db::Dataset &ds, const char *column)
{
    return ds.fieldByName(QString::fromLatin1(column)).displayText();
}

} // namespace

StaffValues ReferralRows::staff(const db::MainDatasets &data)
{
    const db::Dataset &q = data.Query1;
    return {text(q, "Soyadi"),  text(q, "Adi"),      text(q, "Gorevi"),  text(q, "SicilNo"),
            text(q, "KadroDerece"), text(q, "TCKimlik"), text(q, "TCVergi"), text(q, "YedekAlan1")};
}

DependantValues ReferralRows::dependant(const db::MainDatasets &data)
{
    const db::Dataset &q = data.QueryDetail;
    return {text(q, "Soyadi"), text(q, "Adi"), text(q, "Yakinligi"), text(q, "TCKimlik"),
            text(q, "KarneNo")};
}

SignatoryValues ReferralRows::signatory(const db::MainDatasets &data)
{
    const db::Dataset &t = data.Table1;
    return {text(t, "Soyadi"), text(t, "Adi"), text(t, "Unvani")};
}
