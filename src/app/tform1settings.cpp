// The main window's keys of the settings file: the exit number, the
// institution's name and address and the chosen health institution, read
// once when the window is first shown and written once when it closes.
#include "app/dataentrypanel.h"
#include "app/referralpanel.h"
#include "app/tform1.h"
#include "records/ui/errorbox.h"
#include "settings/mainsettingsstore.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

MainSettings held(const ReferralPanel &referral, const DataEntryPanel &entry)
{
    return {referral.EdCikis->text(), entry.EdKurum1->text(), entry.EdAdres1->text(),
            referral.ComboBox2->currentText()};
}

} // namespace

void TForm1::LoadMainSettings()
{
    const MainSettings s = MainSettingsStore().load(held(*Panel4, *Panel6));
    Panel4->EdCikis->setText(s.exitNumber);
    Panel6->EdKurum1->setText(s.institutionName);
    Panel6->EdAdres1->setText(s.institutionAddress);
    Panel4->ComboBox2->setCurrentText(s.healthInstitution);
}

void TForm1::SaveMainSettings()
{
    // A settings file that cannot be written is reported by name; the window
    // closes all the same, as the clerk asked.
    const MainSettings s = held(*Panel4, *Panel6);
    ErrorBox::guard([&] { MainSettingsStore().save(s); });
}
