#pragma once
// Float text as the report engine writes and reads it.
//
// Written floats use the user's decimal separator (a Turkish machine writes
// "12,5"). StrToFloatAny therefore accepts both ',' and '.' as the decimal
// separator and ignores blanks, so a template written on one machine reads on
// any other. Text that is not a number raises LoderaError with the platform's
// conversion message "'<text>' is not a valid floating point value".
#include <QString>

// General float-to-text: up to 15 significant digits, no trailing zeros, the
// user's decimal separator; scientific form ("1E20", "1,5E-7") only for
// exponents of 15 and above or values below 0.00001 in magnitude.
QString frxFloatToStr(double value);

double StrToFloatAny(const QString &text);
