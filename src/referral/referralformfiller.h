#pragma once
// Fills the referral form templates. Each form sheet carries the form twice,
// side by side; every fill memo of the left copy ("MHasta") has its twin in
// the right copy with the same name and a "2" ("MHasta2"), and both always
// receive the same text.
//
// The fill table: which memo shows which value, per form. The patient form
// names the patient by what the dependant chooser shows, the dental form by
// the dependant row's own surname and given name; only the patient form has
// the booklet number (MKarne) and the retirement number (MVergi).
//
// A blank form empties every fill memo again, except that the patient form
// keeps the date placeholder in its exit-date boxes for the clerk's hand.
//
// The report rebuilds its objects on every build, so memos are looked up by
// name each time they are written, never kept.
#include "referral/referralvalues.h"

#include <QList>
#include <QPair>
#include <QString>

class TfrxReport;

class ReferralFormFiller
{
public:
    using MemoTexts = QList<QPair<QString, QString>>;

    // The left-copy memo names of the form with the texts the values give
    // them, in the order of the fill table.
    static MemoTexts filledTexts(ReferralForm form, const ReferralValues &values);
    // The same memos as a blank form leaves them.
    static MemoTexts blankTexts(ReferralForm form);

    // Writes the values into both copies, then empties them again when a
    // blank form is asked for. Throws LoderaError naming the memo when the
    // template has no such memo.
    static void fill(TfrxReport &report, ReferralForm form, const ReferralValues &values);

private:
    static void write(TfrxReport &report, const MemoTexts &texts);
};
