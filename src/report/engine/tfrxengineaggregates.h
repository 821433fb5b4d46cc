#pragma once
// The aggregate functions of one report run: SUM, AVG, MIN, MAX and COUNT.
//
// Before the run the memo texts of every band are scanned for aggregate calls.
// Each call found becomes an entry that belongs to the band holding the memo
// (its container: usually a footer) and collects over one data band: the band
// named in the call, or else the data band the container belongs to (a data
// band itself, the data band of a footer, the data band of a group footer's
// group). Every row that data band prints adds the entry's expression value
// (COUNT adds one); invisible rows only count with flag bit 0. When the
// container has printed, its entries start again from nothing, unless flag
// bit 1 asks for a running total.
//
// An aggregate asked for while a band is output is looked up among the entries
// of that band by kind, expression text (without regard to case and outer
// spaces), band name and flags. A call that the scan did not find (built at
// run time by a script) has nothing collected and yields Null.
#include "report/engine/tfsmacros.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class TfrxBand;
class TfrxComponent;

class TfrxEngineAggregates
{
public:
    using Calc = std::function<QVariant(const QString &expression)>;
    // Resolves the data band an entry of `container` collects over when the
    // call names none; none when there is no such band.
    using DefaultBand = std::function<TfrxBand *(TfrxBand *container)>;

    struct Entry {
        TfrxBand *container = nullptr;
        TfrxBand *dataBand = nullptr;
        TfsAggregate kind = TfsAggregate::Sum;
        QString expression;
        QString bandName;
        int flags = 0;
        // collected
        int count = 0;
        double sum = 0;
        QVariant min, max;
    };

    void Clear() { m_entries.clear(); }
    // Scans the memos of `band` for aggregate calls. `findBand` looks up a
    // band named in a call.
    void CollectFrom(TfrxBand *band, const DefaultBand &defaultBand,
                     const std::function<TfrxBand *(const QString &)> &findBand);
    // A row of `dataBand` has printed (or was skipped as invisible).
    void AddRow(TfrxBand *dataBand, bool visible, const Calc &calc);
    // `container` has printed: its entries start again.
    void ResetFor(TfrxBand *container);
    // Every collected value back to nothing (the second pass starts).
    void ResetAll();
    QVariant Value(TfrxBand *container, TfsAggregate kind, const QString &expression, const QString &bandName,
                   int flags) const;

    const std::vector<Entry> &Entries() const { return m_entries; }

    // Aggregate calls in one expression text, for the scan.
    struct Call {
        TfsAggregate kind;
        QString expression;
        QString bandName;
        int flags;
    };
    static QList<Call> FindCalls(const QString &text);

private:
    std::vector<Entry> m_entries;
};
