#pragma once
// The text of a memo with bracketed expressions in it.
//
// A memo text such as "Sayfa: [Page#]" holds expressions between an opening
// and a closing delimiter ("[" and "]" unless the memo says otherwise).
// Delimiters inside single or double quotes do not count, and brackets nest,
// so "[frxDBDataset1."Gorevi"]" is one expression and "[IIF(a, '[x]', [Line])]"
// too. Expanding a text replaces every expression by the text a callback
// gives for it, left to right; the inserted text is never scanned again, so a
// value that itself contains brackets prints as it is.
//
// Positions are 0-based here.
#include <QString>

#include <functional>

struct TfrxExpressionDelimiters
{
    QString open;
    QString close;
};

// "[,]" -> "[" and "]": split at the first comma, each part at most 255
// characters; without a comma the whole text opens and nothing closes.
TfrxExpressionDelimiters SplitExpressionDelimiters(const QString &delimiters);

// Scans from `start`, which holds an opening delimiter, for the expression it
// opens. Returns the text after the opening delimiter up to the character
// where the scan stopped. `end` receives the last character of the closing
// delimiter, or `start` when the scan stopped where it began (an opening
// delimiter as the last character). `closed`, when given, tells whether the
// closing delimiter was actually reached: the scan also stops at the last
// character of the text with the brackets still open.
QString FindBracketedExpression(const QString &text, const QString &open, const QString &close,
                                int start, int *end, bool *closed = nullptr);

using TfrxExpressionReplacer = std::function<QString(const QString &expression)>;

// Expands every expression of `text`. A text without the opening delimiter
// comes back untouched. An opening delimiter without a matching closing one
// (an unbalanced "[" in typed text) ends the expansion: the rest of the text
// stays as written. Exceptions of the replacer pass through.
QString ExpandMemoText(const QString &text, const TfrxExpressionDelimiters &delimiters,
                       const TfrxExpressionReplacer &replace);

// At drawing time: the first "[TOTALPAGES#]" (any case) becomes the number.
// Returns false when the text has none.
bool ReplaceTotalPages(QString &text, int totalPages);
