#pragma once
// Number pictures of the report engine, as Pascal's FormatFloat reads them:
// "0" a digit always shown, "#" a digit shown when significant, "." the place
// of the decimal separator, "," anywhere before it turns on thousands
// grouping, "E+00"/"E-00" scientific notation, text in quotes and any other
// character copied as it stands. Up to three sections separated by ";" format
// positive, negative and zero values; without a negative section a minus sign
// precedes the positive picture. An empty picture gives the general form.
//
// The separators default to the user's locale; the memo's own decimal
// separator can replace the decimal one for a single conversion.
#include <QString>

#include <optional>

// No value for infinities and NaN.
std::optional<QString> FormatFloat(const QString &picture, double value, const QString &decimalSeparator = QString());
