#include "referral/exitnumber.h"

namespace ExitNumber {

QString successor(const QString &number)
{
    QString result = number;
    for (QChar &c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');

    bool carry = true;
    for (qsizetype i = result.size() - 1; i >= 0 && carry; --i) {
        const QChar c = result.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('8')) {
            result[i] = QChar(c.unicode() + 1);
            carry = false;
        } else {
            // A 9 rolls over and carries on; anything else becomes the digit
            // the carry leaves behind and takes it.
            carry = c == QLatin1Char('9');
            result[i] = QLatin1Char('0');
        }
    }
    if (carry && !result.isEmpty())
        result.prepend(QLatin1Char('1'));
    return result;
}

} // namespace ExitNumber
