#include "report/engine/tfsvalue.h"

#include "platform/localeformats.h"
#include "report/base/frxfloat.h"
#include "report/engine/tfserror.h"
#include "report/engine/tfshostobject.h"

#include <QLocale>
#include <QObject>

#include <cmath>
#include <limits>

namespace {

const QDate kSerialEpoch(1899, 12, 30);

TfsError cannotConvert(const QVariant &v, const QString &target)
{
    return TfsError(QStringLiteral("%1 türündeki değer %2 türüne dönüştürülemez")
                        .arg(tfs::typeName(v), target));
}

} // namespace

namespace tfs {

TfsType typeOf(const QVariant &v)
{
    if (!v.isValid())
        return TfsType::Null;
    const QMetaType mt = v.metaType();
    switch (mt.id()) {
    case QMetaType::Bool:
        return TfsType::Boolean;
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Long: case QMetaType::ULong:
    case QMetaType::Char: case QMetaType::SChar: case QMetaType::UChar:
        return TfsType::Integer;
    case QMetaType::Double: case QMetaType::Float:
        return TfsType::Float;
    case QMetaType::QString: case QMetaType::QChar:
        return TfsType::String;
    case QMetaType::QDate: case QMetaType::QTime: case QMetaType::QDateTime:
        return TfsType::DateTime;
    case QMetaType::Nullptr:
        return TfsType::Null;
    default:
        break;
    }
    if (mt == QMetaType::fromType<TfsObjectRef>() || (mt.flags() & QMetaType::PointerToQObject))
        return TfsType::Object;
    if (mt == QMetaType::fromType<TfsSet>())
        return TfsType::Set;
    if (mt.flags() & QMetaType::IsEnumeration)
        return TfsType::Integer;
    return TfsType::Other;
}

QString typeName(const QVariant &v)
{
    switch (typeOf(v)) {
    case TfsType::Null: return QStringLiteral("Null");
    case TfsType::Boolean: return QStringLiteral("Boolean");
    case TfsType::Integer: return QStringLiteral("Integer");
    case TfsType::Float: return QStringLiteral("Double");
    case TfsType::String: return QStringLiteral("String");
    case TfsType::DateTime: return QStringLiteral("TDateTime");
    case TfsType::Object: return QStringLiteral("TObject");
    case TfsType::Set: return QStringLiteral("Set");
    case TfsType::Other: break;
    }
    return QString::fromLatin1(v.typeName());
}

bool isNumeric(const QVariant &v)
{
    const TfsType t = typeOf(v);
    return t == TfsType::Integer || t == TfsType::Float;
}

bool isObject(const QVariant &v) { return typeOf(v) == TfsType::Object; }

QObject *qobjectOf(const QVariant &v)
{
    if (v.isValid() && (v.metaType().flags() & QMetaType::PointerToQObject))
        return *static_cast<QObject *const *>(v.constData());
    return nullptr;
}

TfsHostObject *hostObjectOf(const QVariant &v)
{
    if (v.isValid() && v.metaType() == QMetaType::fromType<TfsObjectRef>())
        return static_cast<const TfsObjectRef *>(v.constData())->object.get();
    return nullptr;
}

bool parseNumber(const QString &text, QVariant *number)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    bool ok = false;
    if (s.startsWith(QLatin1Char('$'))) {
        const qulonglong h = s.mid(1).toULongLong(&ok, 16);
        if (ok && !s.mid(1).startsWith(QLatin1Char('-')) && !s.mid(1).startsWith(QLatin1Char('+')))
            *number = qint64(h);
        return ok;
    }
    const qint64 i = s.toLongLong(&ok, 10);
    if (ok) {
        *number = i;
        return true;
    }
    // Group separators are refused: in Turkish "1.500" would otherwise read as 1500.
    QLocale user;
    user.setNumberOptions(QLocale::RejectGroupSeparator);
    double d = user.toDouble(s, &ok);
    if (!ok)
        d = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(d))
        return false;
    *number = d;
    return true;
}

double dateTimeToSerial(const QVariant &v)
{
    const auto timeFraction = [](QTime t) { return t.msecsSinceStartOfDay() / 86400000.0; };
    switch (v.metaType().id()) {
    case QMetaType::QDate:
        return double(kSerialEpoch.daysTo(v.toDate()));
    case QMetaType::QTime:
        return timeFraction(v.toTime());
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        const double days = double(kSerialEpoch.daysTo(dt.date()));
        // Before the epoch the fraction counts away from zero, as Pascal's TDateTime does.
        return days >= 0 ? days + timeFraction(dt.time()) : days - timeFraction(dt.time());
    }
    default:
        break;
    }
    return toFloat(v);
}

QDateTime serialToDateTime(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6)
        throw TfsError(QStringLiteral("Geçersiz tarih değeri: %1").arg(frxFloatToStr(serial)));
    const double days = std::trunc(serial);
    qint64 ms = qint64(std::llround(std::fabs(serial - days) * 86400000.0));
    qint64 d = qint64(days);
    if (ms >= 86400000) {
        ms -= 86400000;
        d += serial < 0 ? -1 : 1;
    }
    return QDateTime(kSerialEpoch.addDays(d), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

double toFloat(const QVariant &v)
{
    switch (typeOf(v)) {
    case TfsType::Integer:
        return double(v.toLongLong());
    case TfsType::Float:
        return v.toDouble();
    case TfsType::DateTime:
        return dateTimeToSerial(v);
    case TfsType::String: {
        QVariant n;
        if (parseNumber(v.toString(), &n))
            return n.toDouble();
        throw TfsError(QStringLiteral("'%1' geçerli bir sayı değil").arg(v.toString()));
    }
    default:
        break;
    }
    throw cannotConvert(v, QStringLiteral("Double"));
}

qint64 toInteger(const QVariant &v)
{
    switch (typeOf(v)) {
    case TfsType::Integer:
        if (v.metaType().id() == QMetaType::ULongLong)
            return qint64(v.toULongLong());
        return v.toLongLong();
    case TfsType::Float:
    case TfsType::String:
    case TfsType::DateTime: {
        if (typeOf(v) == TfsType::String) {
            QVariant n;
            if (!parseNumber(v.toString(), &n))
                throw TfsError(QStringLiteral("'%1' geçerli bir tamsayı değil").arg(v.toString()));
            if (typeOf(n) == TfsType::Integer)
                return n.toLongLong();
            return toInteger(n);
        }
        const double d = std::nearbyint(toFloat(v));
        if (!(d >= -9.2233720368547758e18 && d < 9.2233720368547758e18))
            throw TfsError(QStringLiteral("Sayı tamsayı aralığının dışında: %1").arg(frxFloatToStr(d)));
        return qint64(d);
    }
    default:
        break;
    }
    throw cannotConvert(v, QStringLiteral("Integer"));
}

bool toBoolean(const QVariant &v)
{
    switch (typeOf(v)) {
    case TfsType::Boolean:
        return v.toBool();
    case TfsType::Integer:
        return v.toLongLong() != 0;
    case TfsType::Float:
        return v.toDouble() != 0;
    case TfsType::String: {
        const QString s = v.toString().trimmed();
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        QVariant n;
        if (parseNumber(s, &n))
            return n.toDouble() != 0;
        throw TfsError(QStringLiteral("'%1' geçerli bir mantıksal değer değil").arg(v.toString()));
    }
    default:
        break;
    }
    throw cannotConvert(v, QStringLiteral("Boolean"));
}

QString toText(const QVariant &v)
{
    switch (typeOf(v)) {
    case TfsType::Null:
        return QString();
    case TfsType::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TfsType::Integer:
        if (v.metaType().id() == QMetaType::ULongLong)
            return QString::number(v.toULongLong());
        return QString::number(v.toLongLong());
    case TfsType::Float:
        return frxFloatToStr(v.toDouble());
    case TfsType::String:
        return v.toString();
    case TfsType::DateTime:
        switch (v.metaType().id()) {
        case QMetaType::QDate:
            return platform::shortDate(v.toDate());
        case QMetaType::QTime:
            return v.toTime().toString(platform::longTimeFormat());
        default:
            return platform::shortDateTime(v.toDateTime());
        }
    case TfsType::Object:
        if (QObject *o = qobjectOf(v))
            return o->objectName();
        if (TfsHostObject *h = hostObjectOf(v))
            return h->className();
        return QString();
    case TfsType::Set:
    case TfsType::Other:
        break;
    }
    if (v.canConvert<QString>())
        return v.toString();
    if (v.canConvert<QStringList>())
        return v.toStringList().join(QLatin1String("\r\n"));
    return QString();
}

} // namespace tfs
