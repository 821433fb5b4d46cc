#include "report/engine/frxformatvalue.h"

#include "report/engine/frxformatdatetime.h"
#include "report/engine/frxformatfloat.h"
#include "report/engine/frxformatprintf.h"
#include "report/engine/tfserror.h"
#include "report/engine/tfsvalue.h"

#include "platform/localeformats.h"

#include <optional>

namespace {

std::optional<QDateTime> asDateTime(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::QDateTime:
        return v.toDateTime();
    case QMetaType::QDate:
        return QDateTime(v.toDate(), QTime(0, 0));
    case QMetaType::QTime:
        return tfs::serialToDateTime(tfs::dateTimeToSerial(v));
    case QMetaType::QString: {
        const QString s = v.toString().trimmed();
        // The user's short date, with an optional time after a blank.
        const qsizetype blank = s.indexOf(QLatin1Char(' '));
        if (const std::optional<QDate> d = platform::parseShortDate(blank < 0 ? s : s.left(blank))) {
            if (blank < 0)
                return QDateTime(*d, QTime(0, 0));
            const QTime t = QTime::fromString(s.mid(blank + 1).trimmed(), platform::longTimeFormat());
            if (t.isValid())
                return QDateTime(*d, t);
            return std::nullopt;
        }
        const QDateTime iso = QDateTime::fromString(s, Qt::ISODate);
        if (iso.isValid())
            return iso;
        return std::nullopt;
    }
    default:
        break;
    }
    if (tfs::isNumeric(v))
        return tfs::serialToDateTime(tfs::toFloat(v));
    return std::nullopt;
}

std::optional<QString> formatNumeric(const QVariant &value, const TfrxValueFormat &format)
{
    const TfsType t = tfs::typeOf(value);
    if (t != TfsType::Integer && t != TfsType::Float && t != TfsType::String && t != TfsType::DateTime)
        return std::nullopt;
    const double d = tfs::toFloat(value);
    const QString sep = format.decimalSeparator.size() == 1 ? format.decimalSeparator : QString();
    if (format.formatStr.startsWith(QLatin1Char('#')))
        return FormatFloat(format.formatStr, d, sep);
    return FormatPrintf(format.formatStr, d, sep);
}

std::optional<QString> convert(const QVariant &value, const TfrxValueFormat &format)
{
    switch (format.kind) {
    case TfrxValueFormat::Kind::fkText:
        return std::nullopt;
    case TfrxValueFormat::Kind::fkNumeric:
        return formatNumeric(value, format);
    case TfrxValueFormat::Kind::fkDateTime:
        if (const std::optional<QDateTime> dt = asDateTime(value); dt && dt->isValid())
            return FormatDateTime(format.formatStr, *dt);
        return std::nullopt;
    case TfrxValueFormat::Kind::fkBoolean: {
        const qsizetype comma = format.formatStr.indexOf(QLatin1Char(','));
        const QString yes = comma < 0 ? format.formatStr : format.formatStr.left(comma);
        const QString no = comma < 0 ? QString() : format.formatStr.mid(comma + 1);
        // Anything that is not True, including what does not read as a truth value, is False.
        bool isTrue = false;
        try {
            const TfsType t = tfs::typeOf(value);
            isTrue = (t == TfsType::Boolean || t == TfsType::Integer || t == TfsType::Float || t == TfsType::String)
                && tfs::toBoolean(value);
        } catch (const TfsError &) {
        }
        return isTrue ? yes : no;
    }
    }
    return std::nullopt;
}

} // namespace

QString FormatValue(const QVariant &value, const TfrxValueFormat &format)
{
    if (tfs::typeOf(value) == TfsType::Null)
        return QString();
    try {
        if (std::optional<QString> text = convert(value, format))
            return *text;
    } catch (const TfsError &) {
        // falls back to the plain text below
    }
    return tfs::toText(value);
}
