// The referral panel's handlers of the main window: issuing the two forms and
// advancing the exit number. The window only gathers what the panel shows;
// counting, filling and output are the referral classes' work.
#include "app/referralpanel.h"
#include "app/tform1.h"
#include "referral/exitnumber.h"

#include <QLineEdit>

void TForm1::BtnHastaClick()
{
    // Issuing the patient referral form plugs in here.
}

void TForm1::BtnDisClick()
{
    // Issuing the dental referral form plugs in here.
}

void TForm1::SpeedButton1Click()
{
    Panel4->EdCikis->setText(ExitNumber::successor(Panel4->EdCikis->text()));
}
