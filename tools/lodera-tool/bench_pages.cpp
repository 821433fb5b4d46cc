// `lodera-tool bench pages`: the prepared pages store under a long list. A
// data band of five memos, as a statistics list row, is recorded for 100 000
// rows (50 to a page); the figures are the resident memory the store grew by
// per recorded object, the packed bytes per object, the recording time, and
// the time to rebuild one page, median and worst over pages spread through the
// report with the page cache emptied before each.
#include "toolcommand.h"

#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/tfrxpreviewpages.h"

#include <QElapsedTimer>
#include <algorithm>
#include <QFile>

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

int benchPages(const QStringList &)
{
    constexpr int Rows = 100000;
    constexpr int RowsPerPage = 50;
    TfrxReport report;
    auto *page = new TfrxReportPage(&report);
    page->SetName(QStringLiteral("Page1"));
    auto *band = new TfrxMasterData(page);
    band->SetName(QStringLiteral("MasterData1"));
    band->SetBounds(0, 100, 718, 18.9);
    QList<TfrxMemoView *> memos;
    const double lefts[] = {0, 40, 260, 480, 600};
    const double widths[] = {40, 220, 220, 120, 118};
    for (int i = 0; i < 5; ++i) {
        auto *m = new TfrxMemoView(band);
        m->SetName(QStringLiteral("Memo%1").arg(i + 1));
        m->SetBounds(lefts[i], 0, widths[i], 18.9);
        m->Frame()->SetTyp(TfrxFrameTypes(0xF));
        memos.append(m);
    }

    TfrxPreviewPages store(&report);
    const qint64 before = residentBytes();
    QElapsedTimer timer;
    timer.start();
    store.BeginRun();
    store.CopyTemplatePage(page);
    store.MarkPassStart();
    for (int r = 0; r < Rows; ++r) {
        if (r % RowsPerPage == 0)
            store.StartOutputPage(page);
        band->SetTop((r % RowsPerPage) * 18.9);
        memos[0]->SetText(QString::number(r + 1));
        memos[1]->SetText(QStringLiteral("ÖZTÜRK MEHMET %1").arg(r % 977));
        memos[2]->SetText(QStringLiteral("Ankara Şehir Hastanesi"));
        memos[3]->SetText(QStringLiteral("%1.%2.2026").arg(1 + r % 28, 2, 10, QLatin1Char('0')).arg(1 + r % 12, 2, 10, QLatin1Char('0')));
        memos[4]->SetText(r % 3 ? QStringLiteral("Kendisi") : QStringLiteral("Eşi"));
        store.RecordBand(band);
    }
    store.EndRun();
    const double recordMs = double(timer.nsecsElapsed()) / 1e6;
    const qint64 after = residentBytes();
    const double objects = double(store.RecordedObjects());

    std::vector<double> rebuilds;
    for (int i = 0; i < store.PageCount(); i += store.PageCount() / 40) {
        store.EmptyPageCache();
        timer.restart();
        store.BuildPage(i);
        rebuilds.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double worst = *std::max_element(rebuilds.begin(), rebuilds.end());

    tool::figure(QStringLiteral("pages.recorded_objects"), objects);
    tool::figure(QStringLiteral("pages.record_ms"), recordMs);
    tool::figure(QStringLiteral("pages.store_bytes_per_object"), double(after - before) / objects);
    tool::figure(QStringLiteral("pages.packed_bytes_per_object"), double(store.PackedBytes()) / objects);
    tool::figure(QStringLiteral("pages.rebuild_page_ms"), tool::median(rebuilds));
    tool::figure(QStringLiteral("pages.rebuild_page_max_ms"), worst);
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("pages", benchPages);
