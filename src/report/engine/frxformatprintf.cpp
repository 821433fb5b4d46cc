#include "report/engine/frxformatprintf.h"

#include <QLocale>

#include <cmath>

namespace {

QString grouped(const QString &digits, const QString &sep)
{
    QString out;
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        out += digits.at(i);
        if (i < n - 1 && (n - i - 1) % 3 == 0)
            out += sep;
    }
    return out;
}

std::optional<QString> convert(QChar type, int precision, double value, const QString &decSep, const QString &groupSep)
{
    const double m = std::fabs(value);
    QString body;
    switch (type.toLower().unicode()) {
    case 'f': case 'n': {
        const int p = precision < 0 ? 2 : std::min(precision, 18);
        if (m >= 1e300)
            return std::nullopt;
        const QString fixed = QString::number(m, 'f', p);
        const qsizetype point = fixed.indexOf(QLatin1Char('.'));
        const QString intPart = point < 0 ? fixed : fixed.left(point);
        body = type.toLower() == QLatin1Char('n') ? grouped(intPart, groupSep) : intPart;
        if (point >= 0)
            body += decSep + fixed.mid(point + 1);
        break;
    }
    case 'e': {
        const int p = precision < 0 ? 15 : std::clamp(precision, 1, 18);
        const QString s = QString::number(m, 'e', p - 1);  // d.ddde+XX
        const qsizetype e = s.indexOf(QLatin1Char('e'));
        QString mantissa = s.left(e);
        mantissa.replace(QLatin1Char('.'), decSep);
        const int exponent = s.mid(e + 1).toInt();
        body = mantissa + QLatin1Char('E') + (exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
            + QStringLiteral("%1").arg(std::abs(exponent), 3, 10, QLatin1Char('0'));
        break;
    }
    case 'g': {
        const int p = precision < 0 ? 15 : std::clamp(precision, 1, 18);
        body = QString::number(m, 'g', p).toUpper();
        body.replace(QLatin1Char('.'), decSep);
        break;
    }
    default:
        return std::nullopt;
    }
    const bool zero = !std::any_of(body.cbegin(), body.cend(), [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); });
    if (value < 0 && !zero)
        body.prepend(QLatin1Char('-'));
    return body;
}

} // namespace

std::optional<QString> FormatPrintf(const QString &format, double value, const QString &decimalSeparator)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const QLocale locale;
    const QString decSep = decimalSeparator.isEmpty() ? locale.decimalPoint() : decimalSeparator;
    QString out;
    bool converted = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('%')) {
            out += c;
            ++i;
            continue;
        }
        if (converted)
            return std::nullopt;
        int j = i + 1;
        const bool left = j < format.size() && format.at(j) == QLatin1Char('-');
        if (left)
            ++j;
        int width = 0, precision = -1;
        while (j < format.size() && format.at(j).isDigit() && width < 1000)
            width = width * 10 + format.at(j++).digitValue();
        if (j < format.size() && format.at(j) == QLatin1Char('.')) {
            ++j;
            precision = 0;
            while (j < format.size() && format.at(j).isDigit() && precision < 1000)
                precision = precision * 10 + format.at(j++).digitValue();
        }
        if (j >= format.size() || width >= 1000 || precision >= 1000)
            return std::nullopt;
        const std::optional<QString> body = convert(format.at(j), precision, value, decSep, locale.groupSeparator());
        if (!body)
            return std::nullopt;
        out += left ? body->leftJustified(width) : body->rightJustified(width);
        converted = true;
        i = j;
    }
    if (!converted)
        return std::nullopt;
    return out;
}
