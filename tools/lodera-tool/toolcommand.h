#pragma once
// The companion tool is a set of sub-commands, each in a file of its own that
// registers itself here; `bench` has sub-benchmarks registered the same way.
#include <QStringList>
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

} // namespace tool

#define LODERA_TOOL_CAT2(a, b) a##b
#define LODERA_TOOL_CAT(a, b) LODERA_TOOL_CAT2(a, b)
#define LODERA_TOOL_COMMAND(name, usage, fn) \
    static tool::Registrar LODERA_TOOL_CAT(lodera_cmd_, __LINE__)(name, usage, fn)
#define LODERA_TOOL_BENCH(name, fn) \
    static tool::BenchRegistrar LODERA_TOOL_CAT(lodera_bench_, __LINE__)(name, fn)
