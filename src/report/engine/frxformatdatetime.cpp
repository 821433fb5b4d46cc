#include "report/engine/frxformatdatetime.h"

#include "platform/localeformats.h"

#include <QLocale>

namespace {

int runLength(const QString &s, int i, QChar letter)
{
    int j = i;
    while (j < s.size() && s.at(j).toLower() == letter)
        ++j;
    return j - i;
}

QChar dateSeparator()
{
    for (const QChar c : platform::shortDateFormat()) {
        if (!c.isLetter())
            return c;
    }
    return QLatin1Char('.');
}

bool startsWithCI(const QString &s, int i, const char *word)
{
    return QStringView(s).mid(i).startsWith(QLatin1String(word), Qt::CaseInsensitive);
}

} // namespace

QString FormatDateTime(const QString &picture, const QDateTime &value)
{
    const QLocale locale;
    const QString pic = picture.isEmpty() ? QStringLiteral("c") : picture;
    const QDate date = value.date();
    const QTime time = value.time();
    const bool twelveHour = pic.contains(QLatin1String("am/pm"), Qt::CaseInsensitive)
        || pic.contains(QLatin1String("a/p"), Qt::CaseInsensitive);
    QString out;
    bool afterHour = false;
    for (int i = 0; i < pic.size();) {
        const QChar c = pic.at(i);
        const QChar lc = c.toLower();
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            int j = i + 1;
            while (j < pic.size() && pic.at(j) != c)
                out += pic.at(j++);
            i = j + 1;
            continue;
        }
        if (startsWithCI(pic, i, "am/pm")) {
            out += time.hour() < 12 ? locale.amText() : locale.pmText();
            i += 5;
            continue;
        }
        if (startsWithCI(pic, i, "a/p")) {
            out += time.hour() < 12 ? QLatin1Char(c.isUpper() ? 'A' : 'a') : QLatin1Char(c.isUpper() ? 'P' : 'p');
            i += 3;
            continue;
        }
        int n = lc.isLetter() ? runLength(pic, i, lc) : 1;
        switch (lc.unicode()) {
        case 'c':
            out += platform::shortDate(date);
            if (time.msecsSinceStartOfDay() != 0)
                out += QLatin1Char(' ') + time.toString(platform::longTimeFormat());
            n = 1;
            break;
        case 'd':
            if (n == 1) out += QString::number(date.day());
            else if (n == 2) out += QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
            else if (n == 3) out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else if (n == 4) out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            else if (n == 5) out += platform::shortDate(date);
            else { out += locale.toString(date, QLocale::LongFormat); n = 6; }
            break;
        case 'm':
            if (afterHour && n <= 2) {
                out += n == 1 ? QString::number(time.minute()) : QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'));
            } else if (n == 1) {
                out += QString::number(date.month());
            } else if (n == 2) {
                out += QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
            } else if (n == 3) {
                out += locale.monthName(date.month(), QLocale::ShortFormat);
            } else {
                out += locale.monthName(date.month(), QLocale::LongFormat);
                n = 4;
            }
            break;
        case 'y':
            if (n <= 2) out += QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
            else out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
            break;
        case 'h': {
            int h = time.hour();
            if (twelveHour) {
                h %= 12;
                if (h == 0)
                    h = 12;
            }
            out += n == 1 ? QString::number(h) : QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'));
            n = std::min(n, 2);
            break;
        }
        case 'n':
            out += n == 1 ? QString::number(time.minute()) : QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'));
            n = std::min(n, 2);
            break;
        case 's':
            out += n == 1 ? QString::number(time.second()) : QStringLiteral("%1").arg(time.second(), 2, 10, QLatin1Char('0'));
            n = std::min(n, 2);
            break;
        case 'z':
            out += n < 3 ? QString::number(time.msec()) : QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0'));
            n = n < 3 ? 1 : 3;
            break;
        case 't':
            out += n == 1 ? time.toString(QStringLiteral("HH:mm")) : time.toString(platform::longTimeFormat());
            n = std::min(n, 2);
            break;
        case '/':
            out += dateSeparator();
            break;
        default:
            out += pic.mid(i, n);
            break;
        }
        if (lc == QLatin1Char('h'))
            afterHour = true;
        else if (lc.isLetter())
            afterHour = false;
        i += n;
    }
    return out;
}
