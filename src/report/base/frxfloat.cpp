#include "report/base/frxfloat.h"

#include "platform/loderaerror.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

// Both conversions run for every coordinate of every object a template or a
// prepared page copies, so they work on small character buffers instead of
// building temporary strings.

QString frxFloatToStr(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, rounded once ("d.dddddddddddddde+XX"), then laid
    // out by hand.
    char sci[40];
    const auto res = std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific, 14);
    const char *e = std::find(sci, res.ptr, 'e');
    char digits[16];
    int nDigits = 0;
    digits[nDigits++] = sci[0];
    for (const char *p = sci + 2; p < e && nDigits < 16; ++p)
        digits[nDigits++] = *p;
    while (nDigits > 1 && digits[nDigits - 1] == '0')
        --nDigits;
    int exponent = 0;
    const char *expText = e + 1;
    if (expText < res.ptr && *expText == '+')
        ++expText;
    std::from_chars(expText, res.ptr, exponent);

    const QChar sep = QLocale().decimalPoint().front();
    char16_t out[48];
    int n = 0;
    auto put = [&](char16_t c) { out[n++] = c; };
    auto putDigits = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            put(char16_t(digits[i]));
    };
    if (value < 0)
        put(u'-');
    if (exponent >= 15 || exponent < -5) {
        putDigits(0, 1);
        if (nDigits > 1) {
            put(sep.unicode());
            putDigits(1, nDigits);
        }
        put(u'E');
        char expBuf[8];
        const auto expEnd = std::to_chars(expBuf, expBuf + sizeof expBuf, exponent).ptr;
        for (const char *p = expBuf; p < expEnd; ++p)
            put(char16_t(*p));
    } else if (exponent >= 0) {
        const int intDigits = exponent + 1;
        if (nDigits <= intDigits) {
            putDigits(0, nDigits);
            for (int i = nDigits; i < intDigits; ++i)
                put(u'0');
        } else {
            putDigits(0, intDigits);
            put(sep.unicode());
            putDigits(intDigits, nDigits);
        }
    } else {
        put(u'0');
        put(sep.unicode());
        for (int i = 0; i < -exponent - 1; ++i)
            put(u'0');
        putDigits(0, nDigits);
    }
    return QString(reinterpret_cast<const QChar *>(out), n);
}

double StrToFloatAny(const QString &text)
{
    auto fail = [&]() -> double {
        throw LoderaError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    };
    // Blanks dropped, a comma read as the decimal point; anything outside
    // ASCII cannot be part of a number.
    std::string buffer;
    buffer.reserve(size_t(text.size()));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ')
            continue;
        if (u > 0x7f)
            return fail();
        buffer.push_back(u == u',' ? '.' : char(u));
    }
    const char *begin = buffer.data();
    const char *end = begin + buffer.size();
    if (begin != end && *begin == '+')
        ++begin;
    double v = 0;
    const auto res = std::from_chars(begin, end, v, std::chars_format::general);
    if (begin == end || res.ec != std::errc() || res.ptr != end || !std::isfinite(v))
        return fail();
    return v;
}
