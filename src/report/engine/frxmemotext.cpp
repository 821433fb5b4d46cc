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

    QString s = text;
    int p = 0;
    int e = -1;
    do {
        while (p < int(s.size()) - 1 && !QStringView(s).mid(p).startsWith(open))
            ++p;
        bool closed = false;
        const QString expression = FindBracketedExpression(s, open, delimiters.close, p, &e, &closed);
        if (p == e)
            break;
        if (!closed)
            break;
        const QString replacement = replace(expression);
        s.replace(p, e - p + 1, replacement);
        p += int(replacement.size());
        e = -1;
    } while (p != e);
    return s;
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
