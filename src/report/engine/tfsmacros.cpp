#include "report/engine/tfsmacros.h"

#include "report/engine/tfserror.h"
#include "report/engine/tfsscript.h"
#include "report/engine/tfsvalue.h"

namespace {

// A band argument: a band's name, possibly written as a string literal; "0" is
// the default meaning "the band being output".
QString bandName(const QString &text)
{
    QString t = text.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('\'')) && t.endsWith(QLatin1Char('\'')))
        t = t.mid(1, t.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
    return t == QLatin1String("0") ? QString() : t;
}

int flagsOf(const QString &text, const TfsCalc &calc)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (ok)
        return n;
    return int(tfs::toInteger(calc(text)));
}

} // namespace

void TfsMacros::addIif(TfsScript &script, TfsCalc calc)
{
    script.addMacroFunction(QStringLiteral("IIF"), [calc](const QStringList &args) {
        const QVariant condition = calc(args[0]);
        const bool chosen = tfs::typeOf(condition) == TfsType::Boolean && condition.toBool();
        return calc(chosen ? args[1] : args[2]);
    }, 3, 3);
}

void TfsMacros::addAggregates(TfsScript &script, TfsAggregateHandler handler, TfsCalc calc)
{
    const struct { const char *name; TfsAggregate kind; } withExpr[] = {
        {"SUM", TfsAggregate::Sum}, {"AVG", TfsAggregate::Avg}, {"MIN", TfsAggregate::Min}, {"MAX", TfsAggregate::Max},
    };
    for (const auto &a : withExpr) {
        const TfsAggregate kind = a.kind;
        script.addMacroFunction(QString::fromLatin1(a.name), [handler, calc, kind](const QStringList &args) {
            TfsAggregateRequest r;
            r.kind = kind;
            r.expression = args[0];
            r.bandName = args.size() > 1 ? bandName(args[1]) : QString();
            r.flags = args.size() > 2 ? flagsOf(args[2], calc) : 0;
            return handler(r);
        }, 1, 3);
    }
    script.addMacroFunction(QStringLiteral("COUNT"), [handler, calc](const QStringList &args) {
        TfsAggregateRequest r;
        r.kind = TfsAggregate::Count;
        r.bandName = args.size() > 0 ? bandName(args[0]) : QString();
        r.flags = args.size() > 1 ? flagsOf(args[1], calc) : 0;
        return handler(r);
    }, 0, 2);
}
