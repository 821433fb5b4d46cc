// `lodera-tool bench stats`: what the clerk waits for on the statistics
// panel, on a register of 10 000 staff members with ten statistics rows each,
// made in a temporary working folder and opened by the real main window.
//
//   stats.filter_ms           "Filtrele" for one staff member: the statistics
//                             query re-run with the date range, the labels set
//                             and the list painted.
//   stats.counts_reopen_ms    closing the editor window: the per-staff counts
//                             read again (10 000 rows with a count each) and
//                             the counts grid painted.
//   stats.list_first_page_ms  "Tümünü Yazdır" with the preview option ticked:
//                             until the preview window has painted the first
//                             page of the full list (the 50 ms delay before
//                             the build included). Measured once; the build
//                             is stopped after the first page.
//
// Every figure is the median of repeated runs; staff members change between
// runs so no run profits from the one before.
#include "toolcommand.h"

#include "app/mainreports.h"
#include "app/tform1.h"
#include "records/db/demoregister.h"
#include "records/db/maindatasets.h"
#include "records/ui/tsrdbgrid.h"
#include "report/model/tfrxpreviewoptions.h"
#include "report/model/tfrxreport.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewreportrun.h"
#include "report/ui/tfrxpreviewworkspace.h"
#include "settings/tayarfrm.h"
#include "stats/statspanel.h"
#include "stats/tform3.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace {

double elapsedMs(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

void waitUntil(const std::function<bool()> &done, int limitMs = 120000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

int benchStats(const QStringList &args)
{
    if (!args.isEmpty()) {
        tool::err(QStringLiteral("kullanım: lodera-tool bench stats"));
        return 2;
    }
    QTemporaryDir dir;
    db::DemoOptions options;
    options.staff = 10000;
    options.statsPerStaff = 10;
    db::DemoRegister::create(dir.filePath(QStringLiteral("Data.ssd")), options);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());

    frxInstallReportPreview();
    int rc = 0;
    {
        auto form = std::make_unique<TForm1>();
        if (!form->startAllowed()) {
            tool::err(QStringLiteral("ana pencere açılamadı"));
            rc = 1;
        } else {
            auto *settings = new TAyarFrm(form.get());
            auto *editor = new TForm3(form->DataSource6, form->data().ADOQuery1, form.get());
            form->show();
            form->ToolBtn3Click();
            settle();
            StatsPanel *panel = form->Panel16;
            db::Dataset &staff = form->data().Query1;

            // A year around today, where the demo register puts its referrals.
            panel->DateTimePicker1->setDate(QDate::currentDate().addYears(-1));
            panel->DateTimePicker2->setDate(QDate::currentDate());
            std::vector<double> filter;
            for (int i = 0; i < 31; ++i) {
                staff.setRecNo(1 + (i * 317) % staff.recordCount());
                settle();
                QElapsedTimer t;
                t.start();
                panel->Button1->click();
                panel->repaint();
                filter.push_back(elapsedMs(t));
            }
            tool::figure(QStringLiteral("stats.filter_ms"), tool::median(filter));

            std::vector<double> reopen;
            for (int i = 0; i < 15; ++i) {
                editor->show();
                settle();
                QElapsedTimer t;
                t.start();
                editor->close();
                panel->SrDBGrid1->repaint();
                reopen.push_back(elapsedMs(t));
            }
            tool::figure(QStringLiteral("stats.counts_reopen_ms"), tool::median(reopen));

            // The preview opens without holding the bench in its own loop.
            settings->ChkYazdir->setChecked(true);
            TfrxReport *list = form->reports().RpDetay();
            list->PreviewOptions()->SetModal(false);
            list->PreviewOptions()->SetMaximized(false);
            panel->Button3->click();
            staff.first();
            settle();
            double firstPage = -1;
            QElapsedTimer clock;
            clock.start();
            panel->BitBtn1->click();
            if (auto *preview = qobject_cast<TfrxPreview *>(list->Preview())) {
                QObject::connect(preview, &TfrxPreview::FirstPageShown, preview, [&] {
                    preview->Workspace()->viewport()->repaint();
                    if (firstPage < 0)
                        firstPage = elapsedMs(clock);
                });
                bool preparing = true;
                QObject::connect(preview, &TfrxPreview::PreparingChanged, preview,
                                 [&](bool p) { preparing = p; });
                waitUntil([&] { return firstPage >= 0; });
                list->StopReport();
                waitUntil([&] { return !preparing; });
                preview->window()->close();
                settle();
                tool::figure(QStringLiteral("stats.list_first_page_ms"), firstPage);
            } else {
                tool::err(QStringLiteral("bench stats: the preview window did not open"));
                rc = 1;
            }

            form->close();
        }
    }
    QDir::setCurrent(previous);
    if (runtime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", runtime);
    return rc;
}

} // namespace

LODERA_TOOL_BENCH("stats", benchStats);
