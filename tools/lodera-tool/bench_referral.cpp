// `lodera-tool bench referral`: issuing a referral form, on a demo register of
// 200 staff members made in a temporary working folder, with the real main
// window on the offscreen platform and a private CUPS scheduler whose default
// queue writes every job as a PDF (the machine's own printers are never
// touched).
//
//   referral.print_ms   a click on "Hasta Sevki" with the preview option off,
//                       counted in the statistics, until the filled form has
//                       been handed to CUPS as a print job (the click returns
//                       once the job is submitted); median of 15 clicks. The
//                       scheduler's own filtering is left out: each click
//                       waits, untimed, for the previous job to come out.
//   referral.preview_ms the same click with the preview option on, until the
//                       preview window shows the filled page: the build has
//                       ended and the page has been painted; median of 15.
#include "toolcommand.h"

#include "app/referralpanel.h"
#include "app/tform1.h"
#include "records/db/demoregister.h"
#include "report/output/tfrxheadlessreportrun.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewform.h"
#include "report/ui/tfrxpreviewreportrun.h"
#include "report/ui/tfrxreportuirun.h"
#include "settings/tayarfrm.h"
#include "support/cupsfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace {

double elapsedMs(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

int benchReferral(const QStringList &args)
{
    if (!args.isEmpty()) {
        tool::err(QStringLiteral("kullanım: lodera-tool bench referral"));
        return 2;
    }
    // Before anything in the process asks for a printer.
    testsupport::CupsFixture cups;
    if (!cups.start()) {
        tool::err(QStringLiteral("CUPS başlatılamadı: %1").arg(cups.error()));
        return 1;
    }

    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    const QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    db::DemoOptions options;
    options.staff = 200;
    db::DemoRegister::create(dir.filePath(QStringLiteral("Data.ssd")), options);
    QDir::setCurrent(dir.path());
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());

    // The program's own run of a report: the progress window while printing,
    // the preview window for the preview.
    frxInstallReportPreview();
    {
        auto form = std::make_unique<TForm1>();
        auto *settings = new TAyarFrm(form.get());
        form->show();
        while (!form->windowHandle() || !form->windowHandle()->isExposed())
            QApplication::processEvents();
        settle();
        settings->ChkYazdir->setChecked(false);
        settings->RBtn3->setChecked(true);
        ReferralPanel *panel = form->Panel4;
        panel->EdTarih->setText(QStringLiteral("10.12.2026"));
        panel->EdCikis->setText(QStringLiteral("2026/1"));

        std::vector<double> times;
        for (int i = 0; i < 16; ++i) {
            cups.clearOutput();
            QElapsedTimer t;
            t.start();
            panel->BtnHasta->click();
            const double ms = elapsedMs(t);
            if (!cups.waitForOutput()) {
                tool::err(QStringLiteral("CUPS çıktısı gelmedi:\n%1").arg(cups.errorLog()));
                return 1;
            }
            if (i > 0) // the first click also loads fonts and the printer list
                times.push_back(ms);
        }
        tool::figure(QStringLiteral("referral.print_ms"), tool::median(std::move(times)));

        settings->ChkYazdir->setChecked(true);
        std::vector<double> shown;
        for (int i = 0; i < 16; ++i) {
            QElapsedTimer t;
            double ms = -1;
            QTimer watch;
            QObject::connect(&watch, &QTimer::timeout, [&] {
                auto *window = qobject_cast<TfrxPreviewForm *>(QApplication::activeModalWidget());
                if (!window || window->Preview()->Preparing() || window->Preview()->PageCount() < 1)
                    return;
                window->Preview()->repaint();
                ms = elapsedMs(t);
                window->close();
            });
            watch.start(1);
            t.start();
            panel->BtnHasta->click();
            watch.stop();
            if (ms < 0) {
                tool::err(QStringLiteral("önizleme penceresi sayfayı göstermedi"));
                return 1;
            }
            if (i > 0)
                shown.push_back(ms);
        }
        tool::figure(QStringLiteral("referral.preview_ms"), tool::median(std::move(shown)));
        form->close();
    }

    frxInstallHeadlessReportRun();
    QDir::setCurrent(previous);
    if (previousRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", previousRuntime);
    cups.stop();
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("referral", benchReferral);
