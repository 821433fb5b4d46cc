#pragma once
// What the main window keeps in the settings file: the last exit number, the
// institution's name and address, and the chosen health institution.
#include <QString>

struct MainSettings
{
    QString exitNumber;          // EdCikis, "Bilgiler" / "Kurum Kayıt No"
    QString institutionName;     // EdKurum1, "Bilgiler" / "Kurum Adı"
    QString institutionAddress;  // EdAdres1, "Bilgiler" / "Kurum Adresi"
    QString healthInstitution;   // text of ComboBox2, "Secim" / "Saglik"

    friend bool operator==(const MainSettings &, const MainSettings &) = default;
};
