#pragma once
// FormatValue: a memo's value as printed text.
//
// Null prints as nothing. fkText is the plain conversion (the user's decimal
// separator and short date format, "True"/"False"). fkNumeric reads the value
// as a number and formats it with a picture when the format string begins with
// "#" (see FormatFloat) and as printf-style otherwise (see FormatPrintf); a
// one-character decimal separator of the format replaces the user's for that
// conversion only. fkDateTime formats the value as a date-time with a
// FormatDateTime picture. fkBoolean's format string holds the text for True, a
// comma, the text for False. Whenever a conversion fails the plain text
// conversion is printed instead.
#include "report/engine/tfrxvalueformat.h"

#include <QString>
#include <QVariant>

QString FormatValue(const QVariant &value, const TfrxValueFormat &format);
