#pragma once
// What a referral form is filled from, as plain data: the texts the referral
// panel shows at the moment a form is issued and the current rows of the
// staff, dependants and signatories datasets. Gathering them is the main
// window's business; filling and counting only read this.

#include <QString>

// The two forms the referral panel issues.
enum class ReferralForm {
    Patient, // "Hasta Sevki", RpHasta, counted as "Normal"
    Dental,  // "Diş Sevki", RpDis, counted as "Diş"
};

// Who is sent: the staff member himself or one of his dependants.
enum class Recipient { Self, Dependant };

// Whether the form goes out filled or as a blank form to fill in by hand.
enum class FormContent { Filled, Blank };

struct StaffValues
{
    QString surname;       // Soyadi
    QString givenName;     // Adi
    QString duty;          // Gorevi
    QString registryNo;    // SicilNo
    QString grade;         // KadroDerece
    QString identityNo;    // TCKimlik
    QString retirementNo;  // TCVergi
    QString bookletNo;     // YedekAlan1
};

struct DependantValues
{
    QString surname;      // Soyadi
    QString givenName;    // Adi
    QString relationship; // Yakinligi
    QString identityNo;   // TCKimlik
    QString bookletNo;    // KarneNo
};

struct SignatoryValues
{
    QString surname;   // Soyadi
    QString givenName; // Adi
    QString title;     // Unvani
};

struct ReferralValues
{
    QString institutionName;    // EdKurum1
    QString institutionAddress; // EdAdres1
    StaffValues staff;
    Recipient recipient = Recipient::Self;
    QString chooserText;        // what the dependant chooser shows, empty when none is chosen
    DependantValues dependant;  // the current dependants row
    bool signatoryChosen = false; // the signatory chooser shows a name
    SignatoryValues signatory;  // the current Sabit row
    QString exitDate;           // EdTarih
    QString exitNumber;         // EdCikis
    QString healthInstitution;  // ComboBox2, a list entry or free text
    FormContent content = FormContent::Filled;
};
