#include "report/output/frxhtmltags.h"

namespace {

struct State
{
    int bold = 0, italic = 0, underline = 0, strike = 0, sub = 0, sup = 0;
    QList<QColor> colors;
};

// Reads the colour attribute of a font tag: color="#RRGGBB", color=#RRGGBB or
// a colour name. An unreadable colour keeps the current one.
QColor FontTagColor(QStringView body)
{
    const qsizetype at = body.indexOf(QLatin1String("color"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    qsizetype i = at + 5;
    while (i < body.size() && body[i] == u' ')
        ++i;
    if (i >= body.size() || body[i] != u'=')
        return {};
    ++i;
    while (i < body.size() && body[i] == u' ')
        ++i;
    QChar quote;
    if (i < body.size() && (body[i] == u'"' || body[i] == u'\''))
        quote = body[i++];
    qsizetype end = i;
    while (end < body.size() && (quote.isNull() ? body[end] != u' ' : body[end] != quote))
        ++end;
    const QString value = body.mid(i, end - i).trimmed().toString();
    if (QColor::isValidColorName(value))
        return QColor::fromString(value);
    return {};
}

// Applies one tag body (between "<" and ">"); false when it is no tag of ours.
bool ApplyTag(QStringView body, State &s)
{
    const bool closing = body.startsWith(u'/');
    const QStringView name = closing ? body.mid(1) : body;
    auto is = [&](const char *n) { return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; };
    auto step = [&](int &counter) {
        if (closing)
            counter = qMax(0, counter - 1);
        else
            ++counter;
    };
    if (is("b"))
        step(s.bold);
    else if (is("i"))
        step(s.italic);
    else if (is("u"))
        step(s.underline);
    else if (is("strike") || is("s"))
        step(s.strike);
    else if (is("sub"))
        step(s.sub);
    else if (is("sup"))
        step(s.sup);
    else if (closing && is("font")) {
        if (!s.colors.isEmpty())
            s.colors.removeLast();
    } else if (!closing && name.startsWith(QLatin1String("font"), Qt::CaseInsensitive)
               && (name.size() == 4 || name[4] == u' ')) {
        const QColor c = FontTagColor(name.mid(4));
        s.colors.append(c.isValid() ? c : (s.colors.isEmpty() ? QColor() : s.colors.last()));
    } else
        return false;
    return true;
}

TfrxHTMLTag Current(const State &s, int position)
{
    TfrxHTMLTag t;
    t.Position = position;
    if (s.bold)
        t.Style |= FontStyle::Bold;
    if (s.italic)
        t.Style |= FontStyle::Italic;
    if (s.underline)
        t.Style |= FontStyle::Underline;
    if (s.strike)
        t.Style |= FontStyle::StrikeOut;
    if (!s.colors.isEmpty())
        t.Color = s.colors.last();
    if (s.sub)
        t.BaselineShift = TfrxHTMLTag::Shift::Sub;
    else if (s.sup)
        t.BaselineShift = TfrxHTMLTag::Shift::Sup;
    t.Small = s.sub || s.sup;
    return t;
}

} // namespace

void ParseHTMLTags(const QString &line, QString &plain, TfrxHTMLTags &tags)
{
    plain.clear();
    tags.clear();
    plain.reserve(line.size());
    State s;
    qsizetype i = 0;
    while (i < line.size()) {
        if (line[i] == u'<') {
            const qsizetype close = line.indexOf(u'>', i + 1);
            if (close > i && ApplyTag(QStringView(line).mid(i + 1, close - i - 1).trimmed(), s)) {
                i = close + 1;
                continue;
            }
        }
        tags.append(Current(s, int(plain.size())));
        plain.append(line[i]);
        ++i;
    }
}
