#include "records/db/datevalue.h"

#include "platform/localeformats.h"

#include <QLocale>

namespace db {
namespace {

const QString isoDate = QStringLiteral("yyyy-MM-dd");
const QString isoDateTime = QStringLiteral("yyyy-MM-dd HH:mm:ss");

} // namespace

QString DateValue::toStorage(const QDateTime &value)
{
    if (value.time() == QTime(0, 0))
        return value.date().toString(isoDate);
    return value.toString(isoDateTime);
}

QVariant DateValue::fromStorage(const QVariant &stored)
{
    if (stored.typeId() != QMetaType::QString)
        return stored;
    const QString text = stored.toString();
    if (text.size() == 10) {
        const QDate date = QDate::fromString(text, isoDate);
        if (date.isValid())
            return QDateTime(date, QTime(0, 0));
    } else if (text.size() >= 19) {
        const QDateTime dt = QDateTime::fromString(text.left(19), isoDateTime);
        if (dt.isValid())
            return dt;
    }
    return stored;
}

QString DateValue::displayText(const QDateTime &value)
{
    return platform::shortDateTime(value);
}

std::optional<QDate> DateValue::parseShortDate(const QString &text)
{
    return platform::parseShortDate(text);
}

std::optional<QDateTime> DateValue::parse(const QString &text)
{
    const QString t = text.trimmed();
    if (auto date = parseShortDate(t))
        return QDateTime(*date, QTime(0, 0));
    const int blank = t.indexOf(QLatin1Char(' '));
    if (blank > 0) {
        if (auto date = parseShortDate(t.left(blank))) {
            const QString rest = t.mid(blank + 1).trimmed();
            QTime time = QTime::fromString(rest, platform::longTimeFormat());
            if (!time.isValid())
                time = QTime::fromString(rest, QStringLiteral("HH:mm"));
            if (time.isValid())
                return QDateTime(*date, time);
        }
    }
    const QVariant iso = fromStorage(t);
    if (iso.typeId() == QMetaType::QDateTime)
        return iso.toDateTime();
    return std::nullopt;
}

std::optional<QDateTime> DateValue::toDateTime(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QString:
        return parse(value.toString());
    default:
        return std::nullopt;
    }
}

} // namespace db
