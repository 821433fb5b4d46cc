#pragma once
// Escaping of attribute values in the engine's XML dialect.
//
// Only six characters are escaped, each as a decimal character reference:
// CR, LF, '"', '&', '<', '>' (LF becomes "&#10;"). Everything else, letters
// above 127 included, is written as the raw code page 1254 byte. Reading
// decodes "&#<digits>;" only; named entities such as "&amp;" stay as they are,
// because the writer never produces them. A reference's code is taken modulo
// 256 and stands for that byte of code page 1254 ("&#254;" is 'ş').
//
// Reading is tolerant where text is malformed: a "&#" without a later ';', or
// with anything but digits before it, is kept literally rather than guessed at.
#include <QString>
#include <QVariant>

QString EscapeXML(const QString &text);
QString UnescapeXML(const QString &text);

// The attribute form of a value: integers in decimal, floats as frxFloatToStr,
// dates as the user's short date, strings escaped, booleans "1"/"0", anything
// else (null, invalid, other types) empty.
QString ValueToXML(const QVariant &value);
