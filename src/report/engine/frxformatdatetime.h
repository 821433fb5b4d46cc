#pragma once
// Date-time pictures as Pascal's FormatDateTime reads them, letters without
// regard to case: d dd (day), ddd dddd (day name), ddddd dddddd (short and long
// date), m mm (month, or minutes right after an hour), mmm mmmm (month name),
// yy yyyy, h hh, n nn (minutes), s ss, z zzz (milliseconds), t tt (short and
// long time), am/pm and a/p (12-hour clock), c (short date and long time, the
// time left out at midnight), "/" the locale's date separator, ":" the time
// separator, quoted text copied. Names and separators come from the user's
// locale; an empty picture means "c".
#include <QDateTime>
#include <QString>

QString FormatDateTime(const QString &picture, const QDateTime &value);
