#include "report/output/frxpagenumbers.h"

#include "report/output/econverterror.h"

namespace {

int toInteger(const QString &s)
{
    bool ok = false;
    const int v = s.toInt(&ok, 10);
    if (!ok)
        throw EConvertError::notAnInteger(s);
    return v;
}

} // namespace

void ParsePageNumbers(const QString &text, QStringList &list, int pageCount)
{
    list.clear();
    QString s = text;
    s.remove(QLatin1Char(' '));
    if (s.isEmpty())
        return;
    if (s.endsWith(QLatin1Char('-')))
        s += QString::number(pageCount);
    s += QLatin1Char(',');

    QStringList result;
    bool rangeOpen = false;
    int rangeStart = 0;
    qsizetype numberStart = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c != QLatin1Char(',') && c != QLatin1Char('-'))
            continue;
        const int n = toInteger(s.mid(numberStart, i - numberStart));
        numberStart = i + 1;
        if (c == QLatin1Char('-')) {
            rangeStart = n;
            rangeOpen = true;
        } else if (rangeOpen) {
            const int last = qMin(n, qMax(pageCount, rangeStart - 1));
            for (int k = rangeStart; k <= last; ++k)
                result.append(QString::number(k));
            rangeOpen = false;
        } else {
            result.append(QString::number(n));
        }
    }
    list = result;
}
