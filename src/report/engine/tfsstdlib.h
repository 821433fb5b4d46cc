#pragma once
// The standard functions and constants every script sees through the
// process-wide script: text (Length, Copy, Pos, UpperCase, LowerCase, Trim,
// TrimLeft, TrimRight, Chr, Ord, AnsiUpperCase, AnsiLowerCase; upper and
// lower case with the Turkish dotted and dotless i), conversion
// (IntToStr, FloatToStr, StrToInt, StrToIntDef, StrToFloat, IntToHex,
// VarToStr, DateToStr, TimeToStr, DateTimeToStr, StrToDate), formatting
// (FormatFloat, FormatDateTime), clock (Date, Time, Now), arithmetic (Round,
// Trunc, Int, Frac, Abs, Sqrt) and the constants Null and Pi.
class TfsScript;

class TfsStdLib
{
public:
    static void install(TfsScript &script);
};
