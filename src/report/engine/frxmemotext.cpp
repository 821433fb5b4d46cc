#include "report/engine/frxmemotext.h"

namespace {
constexpr int kMaxDelimiterLength = 255;
}

TfrxExpressionDelimiters SplitExpressionDelimiters(const QString &delimiters)
{
    const qsizetype comma = delimiters.indexOf(QLatin1Char(','));
    if (comma < 0)
        return {delimiters.left(kMaxDelimiterLength), QString()};
    return {delimiters.left(comma).left(kMaxDelimiterLength), delimiters.mid(comma + 1).left(kMaxDelimiterLength)};
}

QString FindBracketedExpression(const QString &text, const QString &open, const QString &close,
                                int start, int *end, bool *closed)
{
    const int len = int(text.size());
    *end = start;
    if (closed)
        *closed = false;
    if (start < 0 || start >= len || open.isEmpty() || close.isEmpty())
        return QString();

    const QStringView view(text);
    int depth = 0;
    bool inDouble = false, inSingle = false;
    int s = start;
    int i = start;
    bool reachedClose = false;
    for (;; ++i) {
        if (!inDouble && !inSingle) {
            if (view.mid(i).startsWith(open)) {
                if (depth == 0)
                    s = i;
                depth++;
            } else if (view.mid(i).startsWith(close)) {
                depth--;
                reachedClose = depth == 0;
            }
        }
        const QChar c = text.at(i);
        if (!inSingle && c == QLatin1Char('"'))
            inDouble = !inDouble;
        else if (!inDouble && c == QLatin1Char('\''))
            inSingle = !inSingle;
        if (depth == 0 || i == len - 1)
            break;
    }
    const int exprStart = s + int(open.size());
    const QString expression = exprStart <= i ? text.mid(exprStart, i - exprStart) : QString();
    if (s != i)
        *end = i + int(close.size()) - 1;
    if (closed)
        *closed = reachedClose;
    return expression;
}

QString ExpandMemoText(const QString &text, const TfrxExpressionDelimiters &delimiters,
                       const TfrxExpressionReplacer &replace)
{
    const QString &open = delimiters.open;
    if (open.isEmpty() || delimiters.close.isEmpty() || !text.contains(open))
        return text;

    // The text after a replacement is the untouched rest of the original, so
    // the output is built in one pass instead of editing the text in place.
    const int len = int(text.size());
    QString out;
    int consumed = 0;
    int p = 0;
    for (;;) {
        while (p < len - 1 && !QStringView(text).mid(p).startsWith(open))
            ++p;
        int e = -1;
        bool closed = false;
        const QString expression = FindBracketedExpression(text, open, delimiters.close, p, &e, &closed);
        if (p == e || !closed)
            break;
        out += QStringView(text).mid(consumed, p - consumed);
        out += replace(expression);
        consumed = e + 1;
        p = e + 1;
    }
    out += QStringView(text).mid(consumed);
    return out;
}

bool ReplaceTotalPages(QString &text, int totalPages)
{
    static const QString marker = QStringLiteral("[TOTALPAGES#]");
    const qsizetype at = text.indexOf(marker, 0, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    text.replace(at, marker.size(), QString::number(totalPages));
    return true;
}
