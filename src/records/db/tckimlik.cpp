#include "records/db/tckimlik.h"

namespace db {

namespace {

// Appends the two check digits to the nine digits in `d`.
void complete(int d[11])
{
    const int odd = d[0] + d[2] + d[4] + d[6] + d[8];
    const int even = d[1] + d[3] + d[5] + d[7];
    d[9] = ((odd * 7 - even) % 10 + 10) % 10;
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += d[i];
    d[10] = sum % 10;
}

} // namespace

QString TcKimlik::fromNineDigits(quint32 nine)
{
    int d[11] = {};
    for (int i = 8; i >= 0; --i) {
        d[i] = int(nine % 10);
        nine /= 10;
    }
    complete(d);
    QString out;
    for (int digit : d)
        out += QChar(u'0' + digit);
    return out;
}

bool TcKimlik::isValid(const QString &number)
{
    if (number.size() != 11 || number[0] == QLatin1Char('0'))
        return false;
    int d[11];
    for (int i = 0; i < 11; ++i) {
        if (!number[i].isDigit() || number[i].unicode() > '9')
            return false;
        d[i] = number[i].unicode() - '0';
    }
    int expected[11];
    std::copy(d, d + 9, expected);
    complete(expected);
    return expected[9] == d[9] && expected[10] == d[10];
}

} // namespace db
