#include "platform/localeformats.h"

#include <QStringList>

namespace platform {

namespace {

bool isTurkish(const QLocale &locale)
{
    return locale.language() == QLocale::Turkish;
}

enum class Part { Day, Month, Year };

// The order of day, month and year in a format, and the character between them.
struct DateLayout
{
    Part order[3] = {Part::Day, Part::Month, Part::Year};
    QChar separator = u'.';
};

DateLayout layoutOf(const QString &format)
{
    DateLayout layout;
    int n = 0;
    bool separatorSeen = false;
    QChar last;
    for (QChar c : format) {
        if (c == last)
            continue;
        last = c;
        if ((c == u'd' || c == u'M' || c == u'y') && n < 3)
            layout.order[n++] = c == u'd' ? Part::Day : c == u'M' ? Part::Month : Part::Year;
        else if (!c.isLetter() && !separatorSeen && n > 0) {
            layout.separator = c;
            separatorSeen = true;
        }
    }
    return layout;
}

int expandYear(int twoDigits)
{
    // Within 50 years either side of today, as a clerk means "26" or "98".
    const int threshold = QDate::currentDate().year() - 50;
    int year = threshold / 100 * 100 + twoDigits;
    if (year < threshold)
        year += 100;
    return year;
}

} // namespace

QString shortDateFormat(const QLocale &locale)
{
    return isTurkish(locale) ? QStringLiteral("dd.MM.yyyy") : locale.dateFormat(QLocale::ShortFormat);
}

QString longTimeFormat(const QLocale &locale)
{
    if (isTurkish(locale))
        return QStringLiteral("HH:mm:ss");
    // The locale's long form without its time zone.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(u't');
    return format.trimmed();
}

QString shortDate(QDate date, const QLocale &locale)
{
    return date.isValid() ? locale.toString(date, shortDateFormat(locale)) : QString();
}

QString shortDateTime(const QDateTime &value, const QLocale &locale)
{
    if (!value.isValid())
        return {};
    QString text = shortDate(value.date(), locale);
    if (value.time() != QTime(0, 0))
        text += u' ' + locale.toString(value.time(), longTimeFormat(locale));
    return text;
}

std::optional<QDate> parseShortDate(const QString &text, const QLocale &locale)
{
    const DateLayout layout = layoutOf(shortDateFormat(locale));
    const QStringList parts = text.trimmed().split(layout.separator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;

    int day = 0, month = 0, year = QDate::currentDate().year();
    int partIndex = 0;
    for (Part part : layout.order) {
        if (part == Part::Year && parts.size() == 2)
            continue;  // "05.12": this year
        if (partIndex >= parts.size())
            return std::nullopt;
        const QString &p = parts[partIndex++];
        const qsizetype maxDigits = part == Part::Year ? 4 : 2;
        bool ok = !p.isEmpty() && p.size() <= maxDigits;
        for (QChar c : p)
            ok = ok && c >= u'0' && c <= u'9';
        if (!ok || (part == Part::Year && p.size() != 2 && p.size() != 4))
            return std::nullopt;
        const int n = p.toInt();
        if (part == Part::Day)
            day = n;
        else if (part == Part::Month)
            month = n;
        else
            year = p.size() == 2 ? expandYear(n) : n;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace platform
