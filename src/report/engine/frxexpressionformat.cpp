#include "report/engine/frxexpressionformat.h"

#include "report/engine/frxformatvalue.h"
#include "report/engine/tfsvalue.h"

TfrxExpressionFormat ParseExpressionFormat(const QString &text)
{
    TfrxExpressionFormat r;
    const qsizetype at = text.indexOf(QLatin1String(" #"));
    if (at < 0) {
        r.expression = text;
        return r;
    }
    r.expression = text.left(at);
    r.hasFormat = true;
    const QString spec = text.mid(at + 2);
    const QChar letter = spec.isEmpty() ? QChar() : spec.at(0);
    QString formatStr = spec.mid(1, 255);
    switch (letter.unicode()) {
    case 'N': case 'n': {
        r.format.kind = TfrxValueFormat::Kind::fkNumeric;
        for (QChar &c : formatStr) {
            if (c == QLatin1Char(',') || c == QLatin1Char('-') || c == QLatin1Char('.')) {
                r.format.decimalSeparator = QString(c);
                c = QLatin1Char('.');
            }
        }
        break;
    }
    case 'D': case 'd': case 'T': case 't':
        r.format.kind = TfrxValueFormat::Kind::fkDateTime;
        break;
    case 'B': case 'b':
        r.format.kind = TfrxValueFormat::Kind::fkBoolean;
        break;
    default:
        r.format.kind = TfrxValueFormat::Kind::fkText;
        break;
    }
    r.format.formatStr = formatStr;
    return r;
}

bool IsNumericZero(const QVariant &value)
{
    return tfs::isNumeric(value) && tfs::toFloat(value) == 0;
}

QString MemoExpressionText(const QString &bracketContent, const TfrxValueFormat &memoFormat, TfrxHideZeros hideZeros,
                           const std::function<QVariant(const QString &)> &calc, QVariant *value)
{
    const TfrxExpressionFormat parsed = ParseExpressionFormat(bracketContent);
    const TfrxValueFormat &format = parsed.hasFormat ? parsed.format : memoFormat;
    QVariant v;
    if (parsed.expression.compare(QLatin1String("TOTALPAGES#"), Qt::CaseInsensitive) == 0)
        v = QStringLiteral("[TotalPages#]");
    else
        v = calc(parsed.expression);
    if (value)
        *value = v;
    if (hideZeros == TfrxHideZeros::On && IsNumericZero(v))
        return QString();
    return FormatValue(v, format);
}
