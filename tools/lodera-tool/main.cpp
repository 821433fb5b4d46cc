#include "toolcommand.h"

#include "report/output/tfrxheadlessreportrun.h"

#include <QApplication>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>

namespace tool {
namespace {

struct Entry {
    QString usage;
    CommandFn fn;
};

std::map<QString, Entry> &commands()
{
    static std::map<QString, Entry> table;
    return table;
}

std::map<QString, CommandFn> &benches()
{
    static std::map<QString, CommandFn> table;
    return table;
}

int usage()
{
    err(QStringLiteral("kullanım: lodera-tool KOMUT [SEÇENEKLER]"));
    for (const auto &[name, entry] : commands())
        err(QStringLiteral("  %1 %2").arg(name, entry.usage));
    QStringList names;
    for (const auto &[name, fn] : benches())
        names << name;
    err(QStringLiteral("  bench [%1]").arg(names.join(QLatin1Char('|'))));
    return 2;
}

int runBench(const QStringList &args)
{
    if (args.isEmpty()) {
        for (const auto &[name, fn] : benches())
            if (int rc = fn({}); rc != 0)
                return rc;
        return 0;
    }
    auto it = benches().find(args.first());
    if (it == benches().end()) {
        err(QStringLiteral("bilinmeyen ölçüm: %1").arg(args.first()));
        return usage();
    }
    return it->second(args.mid(1));
}

} // namespace

Registrar::Registrar(const char *name, const char *usageText, CommandFn fn)
{
    commands()[QString::fromUtf8(name)] = Entry{QString::fromUtf8(usageText), std::move(fn)};
}

BenchRegistrar::BenchRegistrar(const char *name, CommandFn fn)
{
    benches()[QString::fromUtf8(name)] = std::move(fn);
}

void out(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void err(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

void figure(const QString &name, double value)
{
    out(QStringLiteral("%1: %2").arg(name).arg(value, 0, 'f', 3));
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace tool

int main(int argc, char **argv)
{
    // Fonts, images and offscreen widgets need an application object; the tool
    // never opens a window of its own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lodera"));
    // Reports run without windows: errors go to the error list, no progress.
    frxInstallHeadlessReportRun();

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return tool::usage();
    const QString name = args.takeFirst();
    try {
        if (name == QLatin1String("bench"))
            return tool::runBench(args);
        auto it = tool::commands().find(name);
        if (it == tool::commands().end())
            return tool::usage();
        return it->second.fn(args);
    } catch (const std::exception &e) {
        tool::err(QString::fromUtf8(e.what()));
        return 1;
    }
}
