#pragma once
// Turkish letter case.
//
// Two different jobs live here. The upper-casing functions are the key-press
// rules of the input boxes: they change one typed character of code page 1254
// and nothing else, with the dotted and dotless i of Turkish. The folding
// function serves comparisons: case-insensitive search, LIKE and the prefix
// locate of the records layer. Folding is locale-independent Unicode simple
// case folding, except for the four letters of the two i's, which fold in
// pairs as Turkish pairs them: i with İ, ı with I. So "istanbul" matches
// "İSTANBUL" and "ılgaz" matches "ILGAZ", while "i" never matches "I".
#include <QChar>
#include <QString>
#include <QStringView>

namespace platform {

// TurkishUpCase: a..z without i to A..Z, i to İ, ı to I, ç ğ ö ş ü to Ç Ğ Ö Ş Ü;
// every other character (capitals, digits, â î û, ...) comes back unchanged.
QChar turkishUpCase(QChar c);

// The all-capitals rule of the surname boxes: as turkishUpCase, except that
// q and w stay lower case.
QChar turkishCapital(QChar c);

// Case folding for comparisons under Turkish rules (see above). The folded
// form is lower case; it is meant for comparing, not for showing.
QChar turkishFold(QChar c);
char32_t turkishFold(char32_t c);
QString turkishFold(QStringView s);

// True when the two texts are equal after folding.
bool turkishFoldEquals(QStringView a, QStringView b);

// True when text begins with prefix after folding.
bool turkishFoldStartsWith(QStringView text, QStringView prefix);

} // namespace platform
