#pragma once
// The companion tool is a set of sub-commands, each in a file of its own that
// registers itself here; `bench` has sub-benchmarks registered the same way.
#include <QStringList>
#include <ctime>
#include <functional>

namespace tool {

using CommandFn = std::function<int(const QStringList &args)>;

struct Registrar {
    Registrar(const char *name, const char *usage, CommandFn fn);
};

struct BenchRegistrar {
    BenchRegistrar(const char *name, CommandFn fn);
};

// Standard output and error as UTF-8 text.
void out(const QString &line);
void err(const QString &line);

// Prints one benchmark figure as a `name: value` line.
void figure(const QString &name, double value);

// Median of repeated timings.
double median(std::vector<double> values);

// Processor time of the calling thread, in milliseconds. Printed beside a
// wall-clock figure it shows what a busy machine added to it.
inline double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

} // namespace tool

#define LODERA_TOOL_CAT2(a, b) a##b
#define LODERA_TOOL_CAT(a, b) LODERA_TOOL_CAT2(a, b)
#define LODERA_TOOL_COMMAND(name, usage, fn) \
    static tool::Registrar LODERA_TOOL_CAT(lodera_cmd_, __LINE__)(name, usage, fn)
#define LODERA_TOOL_BENCH(name, fn) \
    static tool::BenchRegistrar LODERA_TOOL_CAT(lodera_bench_, __LINE__)(name, fn)
