#include "referral/referralformfiller.h"

#include "platform/loderaerror.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreport.h"

namespace {

QString joined(const QString &a, const QString &separator, const QString &b)
{
    return a + separator + b;
}

} // namespace

ReferralFormFiller::MemoTexts ReferralFormFiller::filledTexts(ReferralForm form,
                                                              const ReferralValues &v)
{
    const bool patient = form == ReferralForm::Patient;
    const bool dependant = v.recipient == Recipient::Dependant;
    const QString self = QStringLiteral("Kendisi");
    const QString blank(QLatin1Char(' '));
    const QString dash = QStringLiteral(" - ");

    QString patientName = self;
    if (dependant)
        patientName = patient
                          ? joined(v.chooserText, dash, v.dependant.relationship)
                          : joined(joined(v.dependant.surname, blank, v.dependant.givenName), dash,
                                   v.dependant.relationship);

    MemoTexts t;
    t << qMakePair(QStringLiteral("MKurum"), v.institutionName)
      << qMakePair(QStringLiteral("MMemur"), joined(v.staff.surname, blank, v.staff.givenName))
      << qMakePair(QStringLiteral("MHasta"), patientName)
      << qMakePair(QStringLiteral("MKimlikH"), dependant ? v.dependant.identityNo : self);
    if (patient)
        t << qMakePair(QStringLiteral("MKarne"), dependant ? v.dependant.bookletNo : v.staff.bookletNo);
    t << qMakePair(QStringLiteral("MGorev"), v.staff.duty)
      << qMakePair(QStringLiteral("MSicil"), v.staff.registryNo)
      << qMakePair(QStringLiteral("MKadro"), v.staff.grade)
      << qMakePair(QStringLiteral("MAdres"), v.institutionAddress)
      << qMakePair(QStringLiteral("MKimlik"), v.staff.identityNo);
    if (patient)
        t << qMakePair(QStringLiteral("MVergi"), v.staff.retirementNo);
    t << qMakePair(QStringLiteral("MYetkili"),
                   v.signatoryChosen ? joined(v.signatory.surname, blank, v.signatory.givenName)
                                     : QString())
      << qMakePair(QStringLiteral("MUnvan"), v.signatoryChosen ? v.signatory.title : QString())
      << qMakePair(QStringLiteral("MTarih"), v.exitDate)
      << qMakePair(QStringLiteral("MCikis"), v.exitNumber)
      << qMakePair(QStringLiteral("MSaglik"), v.healthInstitution);
    return t;
}

ReferralFormFiller::MemoTexts ReferralFormFiller::blankTexts(ReferralForm form)
{
    MemoTexts t = filledTexts(form, ReferralValues());
    for (auto &memo : t)
        memo.second = form == ReferralForm::Patient && memo.first == QLatin1String("MTarih")
                          ? ExitDatePlaceholder()
                          : QString();
    return t;
}

void ReferralFormFiller::fill(TfrxReport &report, ReferralForm form, const ReferralValues &values)
{
    write(report, filledTexts(form, values));
    if (values.content == FormContent::Blank)
        write(report, blankTexts(form));
}

void ReferralFormFiller::write(TfrxReport &report, const MemoTexts &texts)
{
    for (const auto &[name, text] : texts) {
        for (const QString &copy : {name, name + QLatin1Char('2')}) {
            auto *memo = qobject_cast<TfrxCustomMemoView *>(report.FindObject(copy));
            if (!memo)
                throw LoderaError(QStringLiteral("%1 formunda \"%2\" alanı bulunamadı.")
                                      .arg(report.Name(), copy));
            memo->SetText(text);
        }
    }
}
