#include "report/engine/tfrxengineaggregates.h"

#include "report/engine/frxmemotext.h"
#include "report/model/tfrxband.h"
#include "report/model/tfrxcustommemoview.h"

#include <QRegularExpression>

namespace {

// The arguments of the call whose "(" is at `open`, split at the commas of
// its own level; quotes and nested parentheses are skipped over. False when
// the call is not closed.
bool splitArguments(const QString &text, int open, QStringList *args)
{
    int depth = 0;
    QChar quote;
    QString current;
    for (int i = open + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            current += c;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (depth == 0) {
                if (!current.trimmed().isEmpty() || !args->isEmpty())
                    *args << current.trimmed();
                return true;
            }
            --depth;
        } else if (c == u',' && depth == 0) {
            *args << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    return false;
}

QString bandArgument(const QString &text)
{
    QString t = text.trimmed();
    if (t.size() >= 2 && t.startsWith(u'\'') && t.endsWith(u'\''))
        t = t.mid(1, t.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
    return t == QLatin1String("0") ? QString() : t;
}

bool sameExpression(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::Long: case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

// Numbers compare as numbers, anything else as text.
bool less(const QVariant &a, const QVariant &b)
{
    if (isNumber(a) && isNumber(b))
        return a.toDouble() < b.toDouble();
    return QString::compare(a.toString(), b.toString(), Qt::CaseSensitive) < 0;
}

} // namespace

QList<TfrxEngineAggregates::Call> TfrxEngineAggregates::FindCalls(const QString &text)
{
    static const QRegularExpression call(QStringLiteral("\\b(SUM|AVG|MIN|MAX|COUNT)\\s*\\("),
                                         QRegularExpression::CaseInsensitiveOption);
    // A name inside a string literal is text, not a call.
    QList<bool> quoted(text.size(), false);
    QChar quote;
    for (int i = 0; i < text.size(); ++i) {
        if (quote.isNull() && (text[i] == u'\'' || text[i] == u'"'))
            quote = text[i];
        else if (text[i] == quote)
            quote = QChar();
        quoted[i] = !quote.isNull();
    }
    QList<Call> calls;
    auto it = call.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (quoted[m.capturedStart()])
            continue;
        const QString name = m.captured(1).toUpper();
        QStringList args;
        if (!splitArguments(text, int(m.capturedEnd()) - 1, &args))
            continue;
        Call c{TfsAggregate::Count, QString(), QString(), 0};
        int next = 0;
        if (name == QLatin1String("COUNT")) {
            c.kind = TfsAggregate::Count;
        } else {
            if (args.isEmpty())
                continue;
            c.kind = name == QLatin1String("SUM")   ? TfsAggregate::Sum
                     : name == QLatin1String("AVG") ? TfsAggregate::Avg
                     : name == QLatin1String("MIN") ? TfsAggregate::Min
                                                    : TfsAggregate::Max;
            c.expression = args[0];
            next = 1;
        }
        if (args.size() > next)
            c.bandName = bandArgument(args[next]);
        if (args.size() > next + 1)
            c.flags = args[next + 1].trimmed().toInt();
        calls << c;
    }
    return calls;
}

void TfrxEngineAggregates::CollectFrom(TfrxBand *band, const DefaultBand &defaultBand,
                                       const std::function<TfrxBand *(const QString &)> &findBand)
{
    for (TfrxComponent *c : band->AllObjects()) {
        auto *memo = qobject_cast<TfrxCustomMemoView *>(c);
        if (!memo || !memo->AllowExpressions())
            continue;
        QStringList expressions;
        ExpandMemoText(memo->Text(), SplitExpressionDelimiters(memo->ExpressionDelimiters()),
                       [&expressions](const QString &e) {
                           expressions << e;
                           return QString();
                       });
        for (const QString &e : std::as_const(expressions))
            for (const Call &call : FindCalls(e)) {
                Entry entry;
                entry.container = band;
                entry.kind = call.kind;
                entry.expression = call.expression;
                entry.bandName = call.bandName;
                entry.flags = call.flags;
                entry.dataBand = call.bandName.isEmpty() ? defaultBand(band) : findBand(call.bandName);
                if (entry.dataBand)
                    m_entries.push_back(std::move(entry));
            }
    }
}

void TfrxEngineAggregates::AddRow(TfrxBand *dataBand, bool visible, const Calc &calc)
{
    for (Entry &e : m_entries) {
        if (e.dataBand != dataBand || (!visible && !(e.flags & 1)))
            continue;
        ++e.count;
        if (e.kind == TfsAggregate::Count || !calc)
            continue;
        const QVariant v = calc(e.expression);
        if (v.isNull())
            continue;
        e.sum += v.toDouble();
        if (e.min.isNull() || less(v, e.min))
            e.min = v;
        if (e.max.isNull() || less(e.max, v))
            e.max = v;
    }
}

void TfrxEngineAggregates::ResetFor(TfrxBand *container)
{
    for (Entry &e : m_entries)
        if (e.container == container && !(e.flags & 2)) {
            e.count = 0;
            e.sum = 0;
            e.min = e.max = QVariant();
        }
}

void TfrxEngineAggregates::ResetAll()
{
    for (Entry &e : m_entries) {
        e.count = 0;
        e.sum = 0;
        e.min = e.max = QVariant();
    }
}

QVariant TfrxEngineAggregates::Value(TfrxBand *container, TfsAggregate kind, const QString &expression,
                                     const QString &bandName, int flags) const
{
    for (const Entry &e : m_entries) {
        if (e.container != container || e.kind != kind || e.flags != flags
            || e.bandName.compare(bandName, Qt::CaseInsensitive) != 0
            || (kind != TfsAggregate::Count && !sameExpression(e.expression, expression)))
            continue;
        switch (kind) {
        case TfsAggregate::Sum: return e.sum;
        case TfsAggregate::Avg: return e.count ? e.sum / e.count : 0.0;
        case TfsAggregate::Min: return e.min;
        case TfsAggregate::Max: return e.max;
        case TfsAggregate::Count: return e.count;
        }
    }
    return {};
}
