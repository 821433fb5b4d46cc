#include "report/engine/frxformatfloat.h"

#include "report/base/frxfloat.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

QStringList splitSections(const QString &picture)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar c : picture) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

struct Layout
{
    int intPlaceholders = 0;
    int intZeros = 0;  // digits always shown before the separator
    int fracPlaceholders = 0;
    int fracZeros = 0;
    bool grouping = false;
    bool scientific = false;
    int expDigits = 0;
};

bool isExponentAt(const QString &s, int i)
{
    return (s.at(i) == QLatin1Char('E') || s.at(i) == QLatin1Char('e')) && i + 1 < s.size()
        && (s.at(i + 1) == QLatin1Char('+') || s.at(i + 1) == QLatin1Char('-'));
}

Layout analyse(const QString &s)
{
    Layout l;
    bool afterPoint = false;
    int firstIntZero = -1;
    QChar quote;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (afterPoint) {
                l.fracPlaceholders++;
                if (c == QLatin1Char('0'))
                    l.fracZeros = l.fracPlaceholders;
            } else {
                if (c == QLatin1Char('0') && firstIntZero < 0)
                    firstIntZero = l.intPlaceholders;
                l.intPlaceholders++;
            }
        } else if (c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (c == QLatin1Char(',') && !afterPoint) {
            l.grouping = true;
        } else if (isExponentAt(s, i)) {
            l.scientific = true;
            int j = i + 2;
            while (j < s.size() && s.at(j) == QLatin1Char('0'))
                ++j;
            l.expDigits = j - i - 2;
            break;
        }
    }
    if (firstIntZero >= 0)
        l.intZeros = l.intPlaceholders - firstIntZero;
    return l;
}

} // namespace

std::optional<QString> FormatFloat(const QString &picture, double value, const QString &decimalSeparator)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const QLocale locale;
    const QString decSep = decimalSeparator.isEmpty() ? locale.decimalPoint() : decimalSeparator;
    const QString groupSep = locale.groupSeparator();
    if (picture.isEmpty()) {
        QString s = frxFloatToStr(value);
        return s.replace(locale.decimalPoint(), decSep);
    }

    const QStringList sections = splitSections(picture);
    QString section = sections.at(0);
    bool signNeeded = value < 0;
    if (value < 0 && sections.size() >= 2 && !sections.at(1).isEmpty()) {
        section = sections.at(1);
        signNeeded = false;
    } else if (value == 0 && sections.size() >= 3 && !sections.at(2).isEmpty()) {
        section = sections.at(2);
    }
    const Layout l = analyse(section);
    double magnitude = std::fabs(value);

    int exponent = 0;
    if (l.scientific && magnitude != 0) {
        // The mantissa gets as many integer digits as there are "0"s before the
        // point, at least one: "#" digits are optional and stay empty.
        const int digitsBefore = std::max(1, l.intZeros);
        exponent = int(std::floor(std::log10(magnitude))) - (digitsBefore - 1);
        double mantissa = magnitude / std::pow(10.0, exponent);
        const double limit = std::pow(10.0, digitsBefore);
        if (QString::number(mantissa, 'f', l.fracPlaceholders).toDouble() >= limit) {
            exponent++;
            mantissa /= 10;
        }
        magnitude = mantissa;
    }
    if (magnitude >= 1e300)
        return std::nullopt;

    const QString fixed = QString::number(magnitude, 'f', l.fracPlaceholders);
    const qsizetype point = fixed.indexOf(QLatin1Char('.'));
    QString intDigits = point < 0 ? fixed : fixed.left(point);
    QString fracDigits = point < 0 ? QString() : fixed.mid(point + 1);
    while (fracDigits.size() > l.fracZeros && fracDigits.endsWith(QLatin1Char('0')))
        fracDigits.chop(1);
    if (intDigits == QLatin1String("0") && l.intZeros == 0)
        intDigits.clear();
    if (intDigits.size() < l.intZeros)
        intDigits = QString(l.intZeros - intDigits.size(), QLatin1Char('0')) + intDigits;

    const int n = int(intDigits.size());
    QString out;
    const auto emitIntDigit = [&](int d) {
        out += intDigits.at(d);
        if (l.grouping && d < n - 1 && (n - d - 1) % 3 == 0)
            out += groupSep;
    };
    int intPos = 0, fracPos = 0;
    bool afterPoint = false;
    bool intDone = false;
    const auto finishInt = [&] {
        // Pictures without integer placeholders (".00") still show the integer part.
        if (!intDone && l.intPlaceholders == 0)
            for (int d = 0; d < n; ++d)
                emitIntDigit(d);
        intDone = true;
    };
    QChar quote;
    for (int i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (!afterPoint) {
                const int offset = n - l.intPlaceholders;
                const int d = intPos + offset;
                if (intPos == 0)
                    for (int k = 0; k < d && k < n; ++k)
                        emitIntDigit(k);
                if (d >= 0 && d < n)
                    emitIntDigit(d);
                intPos++;
            } else {
                if (fracPos < fracDigits.size())
                    out += fracDigits.at(fracPos);
                fracPos++;
            }
        } else if (c == QLatin1Char('.') && !afterPoint) {
            finishInt();
            afterPoint = true;
            if (!fracDigits.isEmpty())
                out += decSep;
        } else if (c == QLatin1Char(',')) {
            // grouping marker, placed by the digits
        } else if (isExponentAt(section, i)) {
            finishInt();
            const bool plus = section.at(i + 1) == QLatin1Char('+');
            out += section.at(i);
            if (exponent < 0)
                out += QLatin1Char('-');
            else if (plus)
                out += QLatin1Char('+');
            QString digits = QString::number(std::abs(exponent));
            if (digits.size() < l.expDigits)
                digits = QString(l.expDigits - digits.size(), QLatin1Char('0')) + digits;
            out += digits;
            i += 1 + l.expDigits;
        } else {
            out += c;
        }
    }
    finishInt();
    const bool anyDigit = std::any_of(intDigits.cbegin(), intDigits.cend(), [](QChar c) { return c != QLatin1Char('0'); })
        || std::any_of(fracDigits.cbegin(), fracDigits.cend(), [](QChar c) { return c != QLatin1Char('0'); });
    if (signNeeded && anyDigit)
        out.prepend(QLatin1Char('-'));
    return out;
}
