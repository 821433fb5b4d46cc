#pragma once
// T.C. kimlik numbers: eleven digits, the first not zero, the last two check
// digits: d10 = ((d1+d3+d5+d7+d9)*7 - (d2+d4+d6+d8)) mod 10 and
// d11 = (d1+...+d10) mod 10.
#include <QString>

namespace db {

class TcKimlik
{
public:
    // The full number for nine leading digits (100000000 .. 999999999).
    static QString fromNineDigits(quint32 nine);
    static bool isValid(const QString &number);
};

} // namespace db
