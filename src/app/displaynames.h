#pragma once
// Display names, formed before every store of a row: staff members and
// signatories are shown given name first, dependants surname first. Both
// parts are taken as they are, so an empty part still leaves the blank.
#include <QString>

namespace db {
class Dataset;
}

class DisplayNames
{
public:
    // Birlestir := Adi + " " + Soyadi (Personel, Sabit).
    static void givenNameFirst(db::Dataset &dataset);
    // Birlestir := Soyadi + " " + Adi (Yakinlar).
    static void surnameFirst(db::Dataset &dataset);
};
