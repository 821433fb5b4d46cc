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

// Prints the median wall-clock time of `fn` under `name`, and after the main
// figures the median processor time of the same runs (name_cpu_ms): on a
// busy machine the two differ, and a store's time is mostly spent waiting for
// the disk to confirm its writes.
struct Figures {
    std::vector<std::pair<QString, double>> cpu;

    template <typename Fn>
    void measure(const QString &name, int runs, Fn &&fn)
    {
        std::vector<double> wall, used;
        for (int i = 0; i < runs; ++i) {
            const double c0 = tool::threadCpuMs();
            QElapsedTimer t;
            t.start();
            fn(i);
            wall.push_back(double(t.nsecsElapsed()) / 1e6);
            used.push_back(tool::threadCpuMs() - c0);
        }
        tool::figure(name + QStringLiteral("_ms"), tool::median(std::move(wall)));
        cpu.emplace_back(name + QStringLiteral("_cpu_ms"), tool::median(std::move(used)));
    }
    void printCpu() const
    {
        for (const auto &[name, value] : cpu)
            tool::figure(name, value);
    }
};

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

    Figures figures;
    figures.measure(QStringLiteral("records.open_staff"), 21, [&](int) {
        staff.close();
        staff.open();
    });

    // Prefixes of names spread over the list, each searched from the top.
    QStringList prefixes;
    for (int r = 0; r < staff.recordCount(); r += staff.recordCount() / 50 + 1)
        prefixes << staff.displayTextAt(r, staff.fieldNames().indexOf(QStringLiteral("Birlestir"))).left(4);
    figures.measure(QStringLiteral("records.locate_prefix"), int(prefixes.size()), [&](int i) {
        staff.locate(QStringLiteral("Birlestir"), prefixes[i], db::LocateMatch::Prefix);
    });

    staff.first();
    figures.measure(QStringLiteral("records.next_with_details"), 201, [&](int) { staff.next(); });

    const QStringList searches = {QStringLiteral("Ay"), QStringLiteral("Meh"), QStringLiteral("Şu"),
                                  QStringLiteral("İs"), QStringLiteral("A"), QStringLiteral("Zey")};
    figures.measure(QStringLiteral("records.filter_reopen"), 24, [&](int i) {
        m.filterStaff(searches[i % searches.size()]);
    });

    db::MainDatasets::replaceStatement(staff, db::MainDatasets::staffAll());
    figures.measure(QStringLiteral("records.post"), 21, [&](int i) {
        staff.edit();
        staff.fieldByName(QStringLiteral("SicilNo")).setText(QString::number(5000 + i));
        staff.post();
    });
    figures.printCpu();
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("records", benchRecords);
