// `lodera-tool bench report`: the report run on the demo register of 10 000
// staff members with 10 statistics rows each.
//
//   report.rpdetay_build_ms          BuildPages of the full staff list (median of 3)
//   report.rpdetay_build_cpu_ms      the same builds in processor time of this thread
//   report.store_resident_bytes      resident memory the first build grew by
//   report.store_objects_recorded    objects the store recorded in that build
//   report.store_bytes_per_object    the two above divided
//   report.rpdetay_pdf_ms            every page painted into one PDF file
//   report.qt_direct_pdf_ms          the same primitives drawn with QPainter directly
//   report.rpdetay_pdf_ratio_to_qt   the two above divided
//   report.rphasta_print_ms          BuildPages + PrintPrepared of a filled referral form
//                                    (painted into a PDF file when no print queue exists)
//   report.page_paint_ms             rebuilding and painting one page at zoom 1: the
//                                    slowest of the first, middle and last page (medians)
#include "toolcommand.h"

#include "reportsession.h"

#include "records/db/demoregister.h"
#include "report/model/tfrxreport.h"
#include "report/output/qtcanvas.h"
#include "report/output/recordingcanvas.h"
#include "report/output/tfrxcustomprinter.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/output/tfrxprinters.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

qint64 residentBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

double elapsedMs(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

// What Qt itself needs for the recorded primitives of every page.
double drawDirectly(const QList<RecordingCanvas *> &pages, const QString &fileName)
{
    QElapsedTimer t;
    t.start();
    QPdfWriter writer(fileName);
    writer.setResolution(600);
    QPainter painter(&writer);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        for (const CanvasOp &op : pages[i]->operations()) {
            switch (op.kind) {
            case CanvasOp::Kind::TextOut: {
                QFont font(op.font.name);
                font.setPixelSize(qMax(1, qAbs(op.font.height)));
                painter.setFont(font);
                painter.setPen(op.font.color);
                painter.drawText(op.from + QPoint(0, qAbs(op.font.height)), op.text);
                break;
            }
            case CanvasOp::Kind::FillRect:
                painter.fillRect(op.rect, op.brush.color);
                break;
            case CanvasOp::Kind::Rectangle:
                painter.setPen(op.pen.color);
                painter.drawRect(op.rect);
                break;
            case CanvasOp::Kind::Line:
                painter.setPen(QPen(op.pen.color, op.pen.width));
                painter.drawLine(op.from, op.to);
                break;
            default:
                break;
            }
        }
    }
    painter.end();
    return elapsedMs(t);
}

int benchReport(const QStringList &args)
{
    if (!args.isEmpty()) {
        tool::err(QStringLiteral("kullanım: lodera-tool bench report"));
        return 2;
    }
    QTemporaryDir dir;
    db::DemoOptions options;
    options.staff = 10000;
    options.statsPerStaff = 10;
    const QString dbFile = dir.filePath(QStringLiteral("Data.ssd"));
    db::DemoRegister::create(dbFile, options);
    ReportSession session(dbFile);

    // --- the staff list
    std::unique_ptr<TfrxReport> detay = session.makeReport(TemplateName::RpDetay);
    TfrxPreviewPages *store = detay->PreviewPages();
    std::vector<double> builds, buildsCpu;
    qint64 grown = 0, recorded = 0;
    for (int i = 0; i < 3; ++i) {
        const qint64 before = residentBytes();
        QElapsedTimer t;
        t.start();
        const double cpu = tool::threadCpuMs();
        if (!detay->BuildPages(true)) {
            tool::err(detay->Errors().join(QLatin1Char('\n')));
            return 1;
        }
        builds.push_back(elapsedMs(t));
        buildsCpu.push_back(tool::threadCpuMs() - cpu);
        if (i == 0) {
            grown = residentBytes() - before;
            recorded = store->RecordedObjects();
        }
    }
    tool::figure(QStringLiteral("report.rpdetay_build_ms"), tool::median(builds));
    tool::figure(QStringLiteral("report.rpdetay_build_cpu_ms"), tool::median(buildsCpu));
    tool::figure(QStringLiteral("report.rpdetay_pages"), store->PageCount());
    tool::figure(QStringLiteral("report.store_resident_bytes"), double(grown));
    tool::figure(QStringLiteral("report.store_objects_recorded"), double(recorded));
    tool::figure(QStringLiteral("report.store_bytes_per_object"), recorded ? double(grown) / double(recorded) : 0);

    // --- every page into one PDF, against Qt drawing the same primitives
    QElapsedTimer t;
    t.start();
    PaintPagesToPdf(*detay, dir.filePath(QStringLiteral("detay.pdf")));
    const double ours = elapsedMs(t);
    QList<RecordingCanvas *> recordings;
    for (int i = 0; i < store->PageCount(); ++i) {
        auto *rec = new RecordingCanvas(600, 600, CanvasKind::Printer);
        store->PaintPage(i, *rec, 6.25, 6.25, 0, 0);
        store->EmptyPageCache();
        recordings << rec;
    }
    const double direct = drawDirectly(recordings, dir.filePath(QStringLiteral("direct.pdf")));
    qDeleteAll(recordings);
    tool::figure(QStringLiteral("report.rpdetay_pdf_ms"), ours);
    tool::figure(QStringLiteral("report.qt_direct_pdf_ms"), direct);
    tool::figure(QStringLiteral("report.rpdetay_pdf_ratio_to_qt"), direct > 0 ? ours / direct : 0);

    // --- one page at zoom 1, cache emptied first
    double slowest = 0;
    const int count = store->PageCount();
    for (int index : {0, count / 2, count - 1}) {
        std::vector<double> times;
        for (int r = 0; r < 5; ++r) {
            store->EmptyPageCache();
            QImage image(store->PagePixelSize(index), QImage::Format_RGB32);
            image.fill(Qt::white);
            QElapsedTimer p;
            p.start();
            QtCanvas canvas(image);
            store->PaintPage(index, canvas, 1, 1, 0, 0);
            times.push_back(elapsedMs(p));
        }
        slowest = qMax(slowest, tool::median(times));
    }
    tool::figure(QStringLiteral("report.page_paint_ms"), slowest);

    // --- a filled referral form, built and printed
    std::vector<double> prints;
    TfrxCustomPrinter *printer = PrinterList()->Current();
    const bool realPrinter = PrinterList()->HasRealPrinters();
    for (int i = 0; i < 5; ++i) {
        std::unique_ptr<TfrxReport> hasta = session.makeReport(TemplateName::RpHasta);
        const QString out = dir.filePath(QStringLiteral("hasta%1.pdf").arg(i));
        QElapsedTimer p;
        p.start();
        hasta->BuildPages(true);
        if (realPrinter) {
            printer->setOutputFile(out);
            hasta->PrintPrepared();
            printer->setOutputFile(QString());
        } else {
            PaintPagesToPdf(*hasta, out);
        }
        prints.push_back(elapsedMs(p));
    }
    tool::figure(QStringLiteral("report.rphasta_print_ms"), tool::median(prints));
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("report", benchReport);
