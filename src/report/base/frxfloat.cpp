#include "report/base/frxfloat.h"

#include "platform/loderaerror.h"

#include <QLocale>

#include <cmath>

QString frxFloatToStr(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, rounded once, then laid out by hand.
    const QString sci = QString::number(std::fabs(value), 'e', 14); // d.dddddddddddddde±XX
    const qsizetype e = sci.indexOf(QLatin1Char('e'));
    QString digits = sci.left(1) + sci.mid(2, e - 2);
    const int exponent = sci.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    const QString sep = QLocale().decimalPoint();
    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -5) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += sep + digits.mid(1);
        out += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent >= 0) {
        const qsizetype intDigits = exponent + 1;
        if (digits.size() <= intDigits) {
            out += digits + QString(intDigits - digits.size(), QLatin1Char('0'));
        } else {
            out += digits.left(intDigits) + sep + digits.mid(intDigits);
        }
    } else {
        out += QLatin1Char('0') + sep + QString(-exponent - 1, QLatin1Char('0')) + digits;
    }
    return out;
}

double StrToFloatAny(const QString &text)
{
    QString s = text;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    s.remove(QLatin1Char(' '));
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(v))
        throw LoderaError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return v;
}
