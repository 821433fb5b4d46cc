// `lodera-tool bench records [--db FILE]`: the staff list operations a clerk
// waits for, on a register of 10 000 staff members with about ten statistics
// rows each (made in a temporary folder when no file is given). Moves of the
// staff list include the re-run of both detail queries, as in the program.
#include "toolcommand.h"

#include "records/db/demoregister.h"
#include "records/db/maindatasets.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace {

template <typename Fn>
double medianMs(int runs, Fn &&fn)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        fn(i);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return tool::median(std::move(times));
}

int benchRecords(const QStringList &args)
{
    QString path;
    QTemporaryDir dir;
    if (args.size() == 2 && args[0] == QLatin1String("--db")) {
        path = args[1];
    } else if (args.isEmpty()) {
        path = dir.filePath(QStringLiteral("Data.ssd"));
        db::DemoOptions options;
        options.staff = 10000;
        options.statsPerStaff = 10;
        db::DemoRegister::create(path, options);
    } else {
        tool::err(QStringLiteral("kullanım: lodera-tool bench records [--db FILE]"));
        return 2;
    }

    db::MainDatasets m;
    m.open(path);
    db::Dataset &staff = m.Query1;

    tool::figure(QStringLiteral("records.open_staff_ms"), medianMs(21, [&](int) {
        staff.close();
        staff.open();
    }));

    // Prefixes of names spread over the list, each searched from the top.
    QStringList prefixes;
    for (int r = 0; r < staff.recordCount(); r += staff.recordCount() / 50 + 1)
        prefixes << staff.displayTextAt(r, staff.fieldNames().indexOf(QStringLiteral("Birlestir"))).left(4);
    tool::figure(QStringLiteral("records.locate_prefix_ms"), medianMs(int(prefixes.size()), [&](int i) {
        staff.locate(QStringLiteral("Birlestir"), prefixes[i], db::LocateMatch::Prefix);
    }));

    staff.first();
    tool::figure(QStringLiteral("records.next_with_details_ms"), medianMs(201, [&](int) { staff.next(); }));

    const QStringList searches = {QStringLiteral("Ay"), QStringLiteral("Meh"), QStringLiteral("Şu"),
                                  QStringLiteral("İs"), QStringLiteral("A"), QStringLiteral("Zey")};
    tool::figure(QStringLiteral("records.filter_reopen_ms"), medianMs(24, [&](int i) {
        m.filterStaff(searches[i % searches.size()]);
    }));

    db::MainDatasets::replaceStatement(staff, db::MainDatasets::staffAll());
    tool::figure(QStringLiteral("records.post_ms"), medianMs(21, [&](int i) {
        staff.edit();
        staff.fieldByName(QStringLiteral("SicilNo")).setText(QString::number(5000 + i));
        staff.post();
    }));
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("records", benchRecords);
