#pragma once
// printf-style number formats of a memo ("%2.2f", "Toplam: %n TL"): one
// conversion "%[-][width][.precision]type" among plain text, "%%" for a percent
// sign. Types f (fixed, 2 decimals unless told), n (fixed with thousands
// grouping), e (scientific, precision significant digits, three-digit
// exponent), g (general, precision significant digits). The value is always a
// floating-point number, so integer and text conversions (d, x, s ...), a
// second conversion or a malformed one give no value and the caller falls back.
#include <QString>

#include <optional>

std::optional<QString> FormatPrintf(const QString &format, double value, const QString &decimalSeparator = QString());
