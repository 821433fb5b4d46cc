#pragma once
// The exit number of the institution's outgoing register, as the clerk types
// it into the referral panel ("2006/15", "B-0099"). "Sonraki No" advances it
// by one like a counter that keeps whatever stands before the digits: the
// trailing digits roll over from 9 to 0 and carry to the left; the carry stops
// at the first character that is not a 9, which becomes the next digit, or,
// when that character is no digit at all, a 0 ("2006/99" gives "2006000",
// "12a" gives "120"). A carry out of the first character puts a 1 in front.
// ASCII letters are upper-cased on the way; Turkish letters stay as they are.
#include <QString>

namespace ExitNumber {

// The number that follows `number`; an empty text stays empty.
QString successor(const QString &number);

} // namespace ExitNumber
