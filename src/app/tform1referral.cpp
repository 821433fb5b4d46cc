// The referral panel's handlers of the main window: issuing the two forms and
// advancing the exit number. The window only gathers what the panel shows;
// counting, filling and output are the referral classes' work.
#include "app/dataentrypanel.h"
#include "app/mainreports.h"
#include "app/referralpanel.h"
#include "app/tform1.h"
#include "records/ui/dblookupcombobox.h"
#include "referral/exitnumber.h"
#include "referral/referralissuer.h"
#include "referral/referralrows.h"
#include "referral/reportoutput.h"
#include "settings/tayarfrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

void TForm1::BtnHastaClick()
{
    issueReferral(ReferralForm::Patient);
}

void TForm1::BtnDisClick()
{
    issueReferral(ReferralForm::Dental);
}

void TForm1::SpeedButton1Click()
{
    Panel4->EdCikis->setText(ExitNumber::successor(Panel4->EdCikis->text()));
}

ReferralValues TForm1::referralValues() const
{
    ReferralValues v;
    v.institutionName = Panel6->EdKurum1->text();
    v.institutionAddress = Panel6->EdAdres1->text();
    v.staff = ReferralRows::staff(*m_data);
    v.recipient = Panel4->RbYakini->isChecked() ? Recipient::Dependant : Recipient::Self;
    v.chooserText = Panel4->ComboBox1->currentText();
    v.dependant = ReferralRows::dependant(*m_data);
    v.signatoryChosen = !Panel4->DBLookupComboBox2->currentText().isEmpty();
    v.signatory = ReferralRows::signatory(*m_data);
    v.exitDate = Panel4->EdTarih->text();
    v.exitNumber = Panel4->EdCikis->text();
    v.healthInstitution = Panel4->ComboBox2->currentText();
    v.content = Panel4->ChkBos->isChecked() ? FormContent::Blank : FormContent::Filled;
    return v;
}

void TForm1::issueReferral(ReferralForm form)
{
    const SettingsOptions options = AyarFrm ? AyarFrm->options() : SettingsOptions();
    ReferralIssuer issuer(
        *m_data,
        [this](const QString &question) {
            return QMessageBox::question(this, QStringLiteral("Onay"), question,
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
                   == QMessageBox::Yes;
        },
        ReportOutput::showOrPrint);
    TfrxReport *report = form == ReferralForm::Patient ? m_reports->RpHasta() : m_reports->RpDis();
    issuer.issue(*report, form, referralValues(), options.statistics,
                 options.preview ? ReferralOutput::Preview : ReferralOutput::Print);
}
