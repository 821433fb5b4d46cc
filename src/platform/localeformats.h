#pragma once
// The user's short date format, as the office's clerks expect to see and type
// dates. For Turkish that is "dd.MM.yyyy" ("05.12.2026") with times as
// "HH:mm:ss"; other languages use their locale's short date and a time with
// seconds. All functions take the default locale unless told otherwise.
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

namespace platform {

QString shortDateFormat(const QLocale &locale = QLocale());
QString longTimeFormat(const QLocale &locale = QLocale());

// Empty for an invalid date.
QString shortDate(QDate date, const QLocale &locale = QLocale());

// The date, and after one blank the time when the value has a time of day.
QString shortDateTime(const QDateTime &value, const QLocale &locale = QLocale());

// Reads a date typed in the short format: day, month and year in the order of
// the format, separated by its separator, with one or two digits for day and
// month. A two-digit year falls within 50 years of today; a missing year is
// this year. Blanks around the text are ignored; anything else gives nothing.
std::optional<QDate> parseShortDate(const QString &text, const QLocale &locale = QLocale());

} // namespace platform
