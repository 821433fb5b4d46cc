// Start-up of Lodera: the application object with Qt's Turkish texts, the
// main window (which opens the database and refuses a second running copy),
// the long-lived windows in their fixed order, then the event loop until the
// main window is closed.
#include "app/loderaapplication.h"
#include "app/tform1.h"
#include "records/db/maindatasets.h"
#include "records/ui/errorbox.h"
#include "report/ui/tfrxpreviewform.h"
#include "report/ui/tfrxpreviewreportrun.h"
#include "settings/tayarfrm.h"
#include "settings/tpasswdfrm.h"
#include "stats/tform3.h"

#include <exception>
#include <memory>

int main(int argc, char **argv)
{
    LoderaApplication app(argc, argv);
    app.loadTurkishTranslations();
    app.setQuitOnLastWindowClosed(true);
    // Reports show their pages in the preview window.
    frxInstallReportPreview();

    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>();
    } catch (const std::exception &e) {
        // No database, a wrong key, a damaged file: say why and end.
        ErrorBox::show(e);
        return 1;
    }
    if (!form->startAllowed())
        return 0;

    // The settings window lives as long as the main window (its creation
    // loads the protection switch and the options), then the change-password
    // window, then the statistics editor window.
    auto *settings = new TAyarFrm(form.get());
    new TPassWdFrm(form.get());
    new TForm3(form->DataSource6, form->data().ADOQuery1, form.get());

    form->show();
    // The password gate, over the visible main window. Refused, the program
    // ends here: the main window never closes, so its settings keys are not
    // written; the settings window's end still writes the protection switch.
    if (!settings->AskPassword(PasswordPrompt::OnlyIfActive))
        return 0;
    return app.exec();
}
