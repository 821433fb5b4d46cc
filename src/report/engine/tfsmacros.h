#pragma once
// The macro functions that a report adds to its script. Their arguments reach
// them as the texts written in the call, so each one decides what to evaluate:
//
// - IIF(Expr, TrueValue, FalseValue) calculates Expr, and then only the
//   selected one of the other two; the unselected text is never evaluated.
// - SUM, AVG, MIN, MAX (Expr, Band = 0, Flags = 0) and COUNT(Band = 0,
//   Flags = 0) hand the expression text, the band name and the flags to the
//   host, which collects them over a band or reports them as unsupported by
//   raising TfsError.
#include <QString>
#include <QVariant>

#include <functional>

class TfsScript;

enum class TfsAggregate { Sum, Avg, Min, Max, Count };

struct TfsAggregateRequest
{
    TfsAggregate kind = TfsAggregate::Sum;
    QString expression;  // empty for COUNT
    QString bandName;    // empty: the band being output
    int flags = 0;       // bit 0 and bit 1 as written
};

using TfsCalc = std::function<QVariant(const QString &expression)>;
using TfsAggregateHandler = std::function<QVariant(const TfsAggregateRequest &request)>;

class TfsMacros
{
public:
    static void addIif(TfsScript &script, TfsCalc calc);
    // `calc` evaluates the flags argument when it is not a plain number.
    static void addAggregates(TfsScript &script, TfsAggregateHandler handler, TfsCalc calc);
};
