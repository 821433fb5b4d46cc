#include "report/base/frxxmlescape.h"

#include "platform/codec1254.h"
#include "platform/localeformats.h"
#include "report/base/frxfloat.h"

#include <QDate>
#include <QDateTime>

namespace {

bool needsEscape(QChar c)
{
    switch (c.unicode()) {
    case 13: case 10: case '"': case '&': case '<': case '>':
        return true;
    default:
        return false;
    }
}

} // namespace

QString EscapeXML(const QString &text)
{
    qsizetype extra = 0;
    for (QChar c : text)
        if (needsEscape(c))
            extra += 5;
    if (extra == 0)
        return text;
    QString out;
    out.reserve(text.size() + extra);
    for (QChar c : text) {
        if (needsEscape(c)) {
            out += QLatin1String("&#");
            out += QString::number(c.unicode());
            out += QLatin1Char(';');
        } else {
            out += c;
        }
    }
    return out;
}

QString UnescapeXML(const QString &text)
{
    const qsizetype amp = text.indexOf(QLatin1String("&#"));
    if (amp < 0)
        return text;
    QString out;
    out.reserve(text.size());
    out += QStringView(text).left(amp);
    const qsizetype n = text.size();
    qsizetype i = amp;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('&') && i + 2 < n && text.at(i + 1) == QLatin1Char('#')) {
            qsizetype j = i + 2;
            unsigned code = 0;
            while (j < n && text.at(j).isDigit() && text.at(j).unicode() < 128) {
                // Modulo 256 as we go: any run of digits stays in range.
                code = (code * 10 + (text.at(j).unicode() - '0')) % 256;
                ++j;
            }
            if (j > i + 2 && j < n && text.at(j) == QLatin1Char(';')) {
                out += Codec1254::toUnicode(static_cast<uchar>(code));
                i = j + 1;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

QString ValueToXML(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::SChar:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return QString::number(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return frxFloatToStr(value.toDouble());
    case QMetaType::QDate:
        return platform::shortDate(value.toDate());
    case QMetaType::QDateTime:
        return platform::shortDate(value.toDateTime().date());
    case QMetaType::QString:
        return EscapeXML(value.toString());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return QString();
    }
}
