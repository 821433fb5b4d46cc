// `lodera-tool bench preview`: what the clerk waits for in the preview window,
// on RpDetay over a register of 10 000 staff members with ten statistics rows
// each, made in a temporary folder; the window runs on the offscreen platform
// unless a display is given.
//
//   preview.first_page_ms        ShowReport until the first page has been
//                                painted in the window, the 50 ms delay before
//                                the build included.
//   preview.repaint_ms           one repaint of the visible pages at zoom 1,
//                                the slowest median of the first, a middle
//                                and the last page.
//   preview.search_100_pages_ms  a search for a text that no page holds, over
//                                the last 100 pages (each drawn once onto a
//                                recording canvas and read).
//
// `lodera-tool preview TEMPLATE [--db FILE] [--mode 100|whole|two] [--page N]`
// opens the preview window of a template over a database (a demo register
// when none is given) for looking at it; it returns when the window closes.
#include "toolcommand.h"

#include "records/db/demoregister.h"
#include "records/db/maindatasets.h"
#include "referral/reportdatabinding.h"
#include "report/engine/tfrxdbdataset.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxreport.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewform.h"
#include "report/ui/tfrxpreviewreportrun.h"
#include "report/ui/tfrxpreviewworkspace.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

double elapsedMs(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// A template with the program's two report datasets over an open register.
struct TemplateOverRegister
{
    db::MainDatasets data;
    QObject owner;
    std::unique_ptr<TfrxReport> report;

    TemplateOverRegister(const QString &path, TemplateName name)
    {
        data.open(path);
        ReportDataBinding::makeReportDataset(data.Query1, QStringLiteral("frxDBDataset1"), &owner);
        ReportDataBinding::makeReportDataset(data.QIstatistik, QStringLiteral("frxDBDataset2"), &owner);
        report = CreateTemplate(name);
        report->setParent(&owner);
        report->PreviewOptions()->SetMaximized(false);
        report->PreviewOptions()->SetModal(false);
        report->EngineOptions()->SetSilentMode(true);
    }
    ~TemplateOverRegister()
    {
        report->setParent(nullptr);
    }
};

QString demoRegister(const QTemporaryDir &dir, int staff, int stats)
{
    db::DemoOptions options;
    options.staff = staff;
    options.statsPerStaff = stats;
    const QString path = dir.filePath(QStringLiteral("Data.ssd"));
    db::DemoRegister::create(path, options);
    return path;
}

void waitUntil(const std::function<bool()> &done, int limitMs = 600000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

double medianRepaint(TfrxPreviewWorkspace *workspace)
{
    std::vector<double> times;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        workspace->viewport()->repaint();
        times.push_back(elapsedMs(t));
    }
    return tool::median(times);
}

int benchPreview(const QStringList &)
{
    frxInstallReportPreview();
    QTemporaryDir dir;
    const QString path = demoRegister(dir, 10000, 10);
    TemplateOverRegister t(path, TemplateName::RpDetay);
    TfrxReport *report = t.report.get();

    QElapsedTimer clock;
    double firstPage = -1;
    bool finished = false;
    clock.start();
    report->ShowReport(true);
    auto *preview = qobject_cast<TfrxPreview *>(report->Preview());
    if (!preview) {
        tool::err(QStringLiteral("bench preview: the preview window did not open"));
        return 1;
    }
    TfrxPreviewForm *form = qobject_cast<TfrxPreviewForm *>(preview->window());
    form->resize(1000, 800);
    QObject::connect(preview, &TfrxPreview::FirstPageShown, preview, [&] {
        preview->Workspace()->viewport()->repaint();
        firstPage = elapsedMs(clock);
    });
    QObject::connect(preview, &TfrxPreview::PreparingChanged, preview, [&](bool preparing) {
        if (!preparing)
            finished = true;
    });
    waitUntil([&] { return finished; });
    tool::figure(QStringLiteral("preview.first_page_ms"), firstPage);
    const int pages = preview->PageCount();
    tool::out(QStringLiteral("preview.pages: %1").arg(pages));

    preview->SetZoom(1.0);
    double repaint = 0;
    for (int page : {1, pages / 2, pages}) {
        preview->SetPageNo(page);
        QApplication::processEvents();
        repaint = std::max(repaint, medianRepaint(preview->Workspace()));
    }
    tool::figure(QStringLiteral("preview.repaint_ms"), repaint);

    std::vector<double> searches;
    const int from = std::max(0, pages - 100);
    for (int i = 0; i < 3; ++i) {
        TfrxTextSearch &search = preview->Search();
        search.DropRecording();
        report->PreviewPages()->EmptyPageCache();
        QElapsedTimer s;
        s.start();
        search.Start(QStringLiteral("böyle bir metin yok"), false, from);
        search.Run();
        searches.push_back(elapsedMs(s));
    }
    tool::figure(QStringLiteral("preview.search_100_pages_ms"), tool::median(searches));
    if (pages < 100)
        tool::out(QStringLiteral("preview.search_pages: %1").arg(pages));
    form->close();
    return 0;
}

int showPreview(const QStringList &args)
{
    if (args.isEmpty()) {
        tool::err(QStringLiteral("kullanım: preview TEMPLATE [--db FILE] [--mode 100|whole|two] [--page N]"));
        return 2;
    }
    const std::optional<TemplateName> name = TemplateByName(args[0]);
    if (!name) {
        tool::err(QStringLiteral("bilinmeyen şablon: %1").arg(args[0]));
        return 2;
    }
    QString db, mode = QStringLiteral("100");
    int page = 1;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--db"))
            db = args[i + 1];
        else if (args[i] == QLatin1String("--mode"))
            mode = args[i + 1];
        else if (args[i] == QLatin1String("--page"))
            page = args[i + 1].toInt();
    }
    QTemporaryDir dir;
    if (db.isEmpty())
        db = demoRegister(dir, 300, 10);
    frxInstallReportPreview();
    TemplateOverRegister t(db, *name);
    t.report->PreviewOptions()->SetMaximized(true);
    t.report->ShowReport(true);
    auto *preview = qobject_cast<TfrxPreview *>(t.report->Preview());
    if (!preview)
        return 1;
    waitUntil([&] { return !preview->Preparing() && preview->PageCount() > 0; }, 60000);
    if (mode == QLatin1String("whole"))
        preview->SetZoomMode(TfrxZoomMode::zmWholePage);
    else if (mode == QLatin1String("two"))
        preview->SetZoomMode(TfrxZoomMode::zmManyPages);
    preview->SetPageNo(page);
    QPointer<QWidget> window = preview->window();
    waitUntil([&] { return !window || !window->isVisible(); }, 24 * 3600 * 1000);
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("preview", benchPreview);
LODERA_TOOL_COMMAND("preview", "preview TEMPLATE [--db FILE] [--mode 100|whole|two] [--page N]", showPreview);
