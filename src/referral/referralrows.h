#pragma once
// Reads the staff member, the dependant and the signatory of a referral from
// the current rows of their datasets, as the fields show them (a missing value
// reads as an empty text, as does every field of an empty list).
#include "referral/referralvalues.h"

namespace db {
class MainDatasets;
}

class ReferralRows
{
public:
    static StaffValues staff(const db::MainDatasets &data);
    static DependantValues dependant(const db::MainDatasets &data);
    static SignatoryValues signatory(const db::MainDatasets &data);
};
