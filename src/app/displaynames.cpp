#include "app/displaynames.h"

#include "records/db/dataset.h"

namespace {

QString text(db::Dataset &ds, const char *column)
{
    return ds.fieldByName(QString::fromLatin1(column)).displayText();
}

} // namespace

void DisplayNames::givenNameFirst(db::Dataset &ds)
{
    ds.fieldByName(QStringLiteral("Birlestir"))
        .setValue(text(ds, "Adi") + QLatin1Char(' ') + text(ds, "Soyadi"));
}

void DisplayNames::surnameFirst(db::Dataset &ds)
{
    ds.fieldByName(QStringLiteral("Birlestir"))
        .setValue(text(ds, "Soyadi") + QLatin1Char(' ') + text(ds, "Adi"));
}
