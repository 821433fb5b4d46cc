#include "records/db/datevalue.h"

#include "platform/localeformats.h"

#include <QHash>
#include <QLocale>

namespace db {
namespace {

const QString isoDate = QStringLiteral("yyyy-MM-dd");
const QString isoDateTime = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The number written with `count` decimal digits at `at`, or -1.
int digitsAt(QStringView text, qsizetype at, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const QChar c = text[at + i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// The day a stored "yyyy-MM-dd" text names, or an invalid date.
QDate storedDay(QStringView text)
{
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return {};
    const int y = digitsAt(text, 0, 4), m = digitsAt(text, 5, 2), d = digitsAt(text, 8, 2);
    if (y < 0 || m < 0 || d < 0)
        return {};
    return QDate(y, m, d);
}

// Midnight of a stored day in local time. Making a local time asks the C
// library for the time zone, and it looks at the zone file on every call; a
// list over the whole register reads a hundred thousand dates that fall on a
// few hundred days, so each day is converted once.
QDateTime localMidnight(const QString &text)
{
    thread_local QHash<QString, QDateTime> days;
    if (const auto it = days.constFind(text); it != days.constEnd())
        return *it;
    QDate day = storedDay(text);
    if (!day.isValid())
        day = QDate::fromString(text, isoDate);
    if (!day.isValid())
        return {};
    if (days.size() >= 4096)
        days.clear();
    return *days.insert(text, QDateTime(day, QTime(0, 0)));
}

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
        const QDateTime midnight = localMidnight(text);
        if (midnight.isValid())
            return midnight;
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
