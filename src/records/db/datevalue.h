#pragma once
// Dates in the database and on the screen. Date-time columns hold text in a
// form that sorts and compares like the dates themselves: "yyyy-MM-dd" for a
// date without a time of day (the referral panel stores those), and
// "yyyy-MM-dd HH:mm:ss" when there is one. So a date parameter of the range
// filter, bound in the same form, includes the rows of its own day.
//
// The user sees and types the short date of the locale ("10.12.2026" in the
// Turkish locale), followed by the time when the value carries one.
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

namespace db {

class DateValue
{
public:
    static QString toStorage(const QDateTime &value);
    // A stored text back as QDateTime; text that is no date comes back as is.
    static QVariant fromStorage(const QVariant &stored);

    // The user's short date, plus " HH:mm:ss" when the time is not midnight.
    static QString displayText(const QDateTime &value);

    // Short date text (optionally with a time), or ISO text. Nothing else.
    static std::optional<QDateTime> parse(const QString &text);
    // Only the user's short date form ("10.12.2026"): the rule by which a
    // text parameter is taken for a date.
    static std::optional<QDate> parseShortDate(const QString &text);

    // Any date-like QVariant (QDate, QDateTime, date text) as a QDateTime.
    static std::optional<QDateTime> toDateTime(const QVariant &value);
};

} // namespace db
