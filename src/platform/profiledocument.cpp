#include "platform/profiledocument.h"

#include "platform/codec1254.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\r';
}

QStringView trimmed(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

QStringView unquoted(QStringView s)
{
    if (s.size() >= 2 && isQuote(s.front()) && s.back() == s.front())
        return s.sliced(1, s.size() - 2);
    return s;
}

} // namespace

ProfileDocument::ProfileDocument(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', start);
        if (nl < 0) {
            m_lines.append(parse(bytes.mid(start), {}));
            break;
        }
        qsizetype textEnd = nl;
        if (textEnd > start && bytes[textEnd - 1] == '\r')
            --textEnd;
        m_lines.append(parse(bytes.mid(start, textEnd - start), bytes.mid(textEnd, nl + 1 - textEnd)));
        start = nl + 1;
    }
}

ProfileDocument::Line ProfileDocument::parse(const QByteArray &text, const QByteArray &ending)
{
    Line line;
    line.text = text;
    line.ending = ending;
    const QString s = Codec1254::toUnicode(text);
    const QStringView body = trimmed(s);
    if (body.isEmpty() || body.front() == u';')
        return line;
    if (body.front() == u'[') {
        const qsizetype close = body.indexOf(u']');
        const QStringView name = close < 0 ? body.sliced(1) : body.sliced(1, close - 1);
        line.kind = Kind::Section;
        line.name = trimmed(name).toString();
        return line;
    }
    const qsizetype eq = s.indexOf(u'=');
    if (eq < 0)
        return line;  // not a key: kept, never matched
    const QStringView key = trimmed(QStringView(s).first(eq));
    if (key.isEmpty())
        return line;
    line.kind = Kind::Key;
    line.name = key.toString();
    line.valueStart = eq + 1;
    return line;
}

bool ProfileDocument::namesEqual(QStringView a, QStringView b)
{
    a = trimmed(a);
    b = trimmed(b);
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && a[i].toUpper() != b[i].toUpper())
            return false;
    }
    return true;
}

qsizetype ProfileDocument::findKey(QStringView section, QStringView key) const
{
    bool inSection = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Kind::Section)
            inSection = namesEqual(line.name, section);
        else if (inSection && line.kind == Kind::Key && namesEqual(line.name, key))
            return i;
    }
    return -1;
}

std::optional<QString> ProfileDocument::value(QStringView section, QStringView key) const
{
    const qsizetype at = findKey(section, key);
    if (at < 0)
        return std::nullopt;
    const Line &line = m_lines[at];
    const QString raw = Codec1254::toUnicode(QByteArrayView(line.text).sliced(line.valueStart));
    return unquoted(trimmed(raw)).toString();
}

QString ProfileDocument::encodeValue(QStringView value)
{
    const bool edgesTrimmed = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()));
    if (edgesTrimmed || unquoted(value).size() != value.size())
        return u'"' + value.toString() + u'"';
    return value.toString();
}

QByteArray ProfileDocument::newLineEnding() const
{
    for (const Line &line : m_lines) {
        if (!line.ending.isEmpty())
            return line.ending;
    }
    return QByteArrayLiteral("\r\n");
}

void ProfileDocument::insertLine(qsizetype at, const QString &text)
{
    // The line before the new one needs an ending if it was the file's last.
    if (at > 0 && m_lines[at - 1].ending.isEmpty())
        m_lines[at - 1].ending = newLineEnding();
    const auto bytes = Codec1254::encode(text);
    Q_ASSERT(bytes);
    m_lines.insert(at, parse(bytes.value_or(QByteArray()), newLineEnding()));
}

void ProfileDocument::setValue(QStringView section, QStringView key, QStringView value)
{
    const QString stored = encodeValue(value);
    const qsizetype at = findKey(section, key);
    if (at >= 0) {
        // Keep the key as the file spells it, and the blanks after "=".
        Line &line = m_lines[at];
        qsizetype keep = line.valueStart;
        while (keep < line.text.size() && (line.text[keep] == ' ' || line.text[keep] == '\t'))
            ++keep;
        line.text = line.text.left(keep) + Codec1254::encode(stored).value_or(QByteArray());
        return;
    }

    const QString keyLine = key.toString() + u'=' + stored;
    for (qsizetype h = 0; h < m_lines.size(); ++h) {
        if (m_lines[h].kind != Kind::Section || !namesEqual(m_lines[h].name, section))
            continue;
        // After the section's last key, so comments and blank lines that
        // introduce the next section stay in front of it.
        qsizetype insertAt = h + 1;
        for (qsizetype i = h + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section; ++i) {
            if (m_lines[i].kind == Kind::Key)
                insertAt = i + 1;
        }
        insertLine(insertAt, keyLine);
        return;
    }

    if (!m_lines.isEmpty() && !trimmed(Codec1254::toUnicode(m_lines.back().text)).isEmpty())
        insertLine(m_lines.size(), QString());
    insertLine(m_lines.size(), u'[' + section.toString() + u']');
    insertLine(m_lines.size(), keyLine);
}

QByteArray ProfileDocument::toBytes() const
{
    QByteArray out;
    for (const Line &line : m_lines)
        out += line.text + line.ending;
    return out;
}
