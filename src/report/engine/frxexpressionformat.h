#pragma once
// The format suffix of a bracketed expression: "[Value #n%2,2f]",
// "[Date #dd.mm.yyyy]", "[Flag #bEvet,Hayır]".
//
// After the first " #" comes a letter choosing the kind (N/n numeric, D/d or
// T/t date-time, B/b boolean, anything else text) and then the format string,
// at most 255 characters. For numbers every ",", "-" and "." of the format
// string is written as "." and the last of them becomes the decimal
// separator, so "%2,2f" prints with a decimal comma on any machine.
#include "report/engine/tfrxvalueformat.h"

#include <QString>
#include <QVariant>

#include <functional>

struct TfrxExpressionFormat
{
    QString expression;        // the text before " #", or all of it
    bool hasFormat = false;
    TfrxValueFormat format;    // meaningful when hasFormat
};

TfrxExpressionFormat ParseExpressionFormat(const QString &text);

// The printed text for one bracketed expression of a memo: the format suffix,
// the memo's own display format otherwise; "TOTALPAGES#" kept as
// "[TotalPages#]" for the drawing code; HideZeros for numeric zeros. `calc`
// evaluates the expression; `value` receives what it gave (the memo's value).
enum class TfrxHideZeros { Off, On };
QString MemoExpressionText(const QString &bracketContent, const TfrxValueFormat &memoFormat, TfrxHideZeros hideZeros,
                           const std::function<QVariant(const QString &)> &calc, QVariant *value);

// True for a numeric value equal to 0 (a string "0" is not a zero).
bool IsNumericZero(const QVariant &value);
