#include "records/db/fieldvalue.h"

#include "platform/loderaerror.h"
#include "records/db/datevalue.h"

#include <QLocale>
#include <QRegularExpression>

namespace db {

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::Unknown: return QStringLiteral("Unknown");
    case FieldType::String: return QStringLiteral("String");
    case FieldType::WideString: return QStringLiteral("WideString");
    case FieldType::Boolean: return QStringLiteral("Boolean");
    case FieldType::Integer: return QStringLiteral("Integer");
    case FieldType::AutoInc: return QStringLiteral("AutoInc");
    case FieldType::LargeInt: return QStringLiteral("LargeInt");
    case FieldType::Float: return QStringLiteral("Float");
    case FieldType::DateTime: return QStringLiteral("DateTime");
    case FieldType::Blob: return QStringLiteral("Blob");
    case FieldType::Memo: return QStringLiteral("Memo");
    }
    return QString();
}

FieldType FieldValue::typeOfDeclared(const QString &declared, int *size)
{
    *size = 0;
    const QString d = declared.toUpper();
    if (d.isEmpty())
        return FieldType::Unknown;
    static const QRegularExpression sized(QStringLiteral("\\(\\s*(\\d+)"));
    const auto m = sized.match(d);
    if (d.contains(QLatin1String("CHAR")) || d.contains(QLatin1String("TEXT")) || d.contains(QLatin1String("CLOB"))) {
        if (!m.hasMatch())
            return FieldType::Memo;
        *size = m.captured(1).toInt();
        return FieldType::WideString;
    }
    if (d.contains(QLatin1String("BIGINT")))
        return FieldType::LargeInt;
    if (d.contains(QLatin1String("INT")))
        return FieldType::Integer;
    if (d.contains(QLatin1String("DATE")) || d.contains(QLatin1String("TIME")))
        return FieldType::DateTime;
    if (d.contains(QLatin1String("BOOL")) || d == QLatin1String("BIT"))
        return FieldType::Boolean;
    if (d.contains(QLatin1String("BLOB")) || d.contains(QLatin1String("BINARY")))
        return FieldType::Blob;
    return FieldType::Float;
}

FieldType FieldValue::typeOfValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong: return FieldType::LargeInt;
    case QMetaType::Double: return FieldType::Float;
    case QMetaType::QByteArray: return FieldType::Blob;
    case QMetaType::QString: return FieldType::Memo;
    default: return FieldType::Unknown;
    }
}

QVariant FieldValue::fromStorage(FieldType type, const QVariant &stored)
{
    if (stored.isNull())
        return QVariant();
    switch (type) {
    case FieldType::DateTime:
        return DateValue::fromStorage(stored);
    case FieldType::Boolean:
        return stored.typeId() == QMetaType::LongLong ? QVariant(stored.toLongLong() != 0) : stored;
    default:
        return stored;
    }
}

QVariant FieldValue::toStorage(FieldType type, const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QVariant();
    if (type == FieldType::DateTime && value.typeId() == QMetaType::QDateTime)
        return DateValue::toStorage(value.toDateTime());
    if (value.typeId() == QMetaType::QDate)
        return DateValue::toStorage(QDateTime(value.toDate(), QTime(0, 0)));
    if (value.typeId() == QMetaType::QDateTime)
        return DateValue::toStorage(value.toDateTime());
    return value;
}

QVariant FieldValue::convert(FieldType type, const QVariant &value, const QString &fieldName)
{
    if (value.isNull() || !value.isValid())
        return QVariant();
    auto bad = [&]() -> QVariant {
        throw LoderaError(QStringLiteral("'%1' sahası için geçerli bir değer değil: '%2'")
                              .arg(fieldName, value.toString()));
    };
    switch (type) {
    case FieldType::Integer:
    case FieldType::AutoInc:
    case FieldType::LargeInt: {
        if (value.typeId() == QMetaType::QString)
            return fromText(type, value.toString(), fieldName);
        bool ok = false;
        const qlonglong v = value.toLongLong(&ok);
        return ok ? QVariant(v) : bad();
    }
    case FieldType::Float: {
        if (value.typeId() == QMetaType::QString)
            return fromText(type, value.toString(), fieldName);
        bool ok = false;
        const double v = value.toDouble(&ok);
        return ok ? QVariant(v) : bad();
    }
    case FieldType::Boolean:
        return value.toBool();
    case FieldType::DateTime: {
        const auto dt = DateValue::toDateTime(value);
        return dt ? QVariant(*dt) : bad();
    }
    case FieldType::Blob:
        return value.toByteArray();
    case FieldType::String:
    case FieldType::WideString:
    case FieldType::Memo:
        return value.toString();
    case FieldType::Unknown:
        return value;
    }
    return value;
}

QVariant FieldValue::fromText(FieldType type, const QString &text, const QString &fieldName)
{
    const QString t = text.trimmed();
    auto bad = [&]() -> QVariant {
        throw LoderaError(QStringLiteral("'%1' sahası için geçerli bir değer değil: '%2'").arg(fieldName, text));
    };
    switch (type) {
    case FieldType::String:
    case FieldType::WideString:
    case FieldType::Memo:
    case FieldType::Unknown:
        return text;
    case FieldType::Blob:
        return text.toUtf8();
    default:
        break;
    }
    if (t.isEmpty())
        return QVariant();
    switch (type) {
    case FieldType::Integer:
    case FieldType::AutoInc:
    case FieldType::LargeInt: {
        bool ok = false;
        const qlonglong v = t.toLongLong(&ok);
        return ok ? QVariant(v) : bad();
    }
    case FieldType::Float: {
        bool ok = false;
        double v = QLocale().toDouble(t, &ok);
        if (!ok)
            v = t.toDouble(&ok);
        return ok ? QVariant(v) : bad();
    }
    case FieldType::Boolean: {
        const QString l = t.toLower();
        if (l == QLatin1String("true") || l == QLatin1String("1") || l == QLatin1String("evet"))
            return true;
        if (l == QLatin1String("false") || l == QLatin1String("0") || l == QLatin1String("hayır"))
            return false;
        return bad();
    }
    case FieldType::DateTime: {
        const auto dt = DateValue::parse(t);
        return dt ? QVariant(*dt) : bad();
    }
    default:
        return bad();
    }
}

QString FieldValue::displayText(FieldType type, const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return DateValue::displayText(value.toDateTime());
    case QMetaType::Double:
        return QLocale().toString(value.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QByteArray:
        return type == FieldType::Blob ? QStringLiteral("(BLOB)") : QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

int FieldValue::displayWidth(const FieldDef &def)
{
    switch (def.type) {
    case FieldType::String:
    case FieldType::WideString:
        return def.size > 0 ? def.size : 10;
    case FieldType::DateTime:
        return 18;
    case FieldType::Boolean:
        return 5;
    case FieldType::LargeInt:
        return 15;
    default:
        return 10;
    }
}

QVariant FieldValue::detached(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return value;
    const QString &s = *static_cast<const QString *>(value.constData());
    return QString(s.constData(), s.size());
}

bool FieldValue::same(const QVariant &a, const QVariant &b)
{
    const bool an = a.isNull() || !a.isValid();
    const bool bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an == bn;
    return a == b;
}

} // namespace db
