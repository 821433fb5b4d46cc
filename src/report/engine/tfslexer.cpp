#include "report/engine/tfslexer.h"

#include "report/engine/tfserror.h"

#include <QHash>

namespace {

const QHash<QString, TfsTok> &reservedWords()
{
    static const QHash<QString, TfsTok> words = {
        {QStringLiteral("and"), TfsTok::And}, {QStringLiteral("array"), TfsTok::Array},
        {QStringLiteral("begin"), TfsTok::Begin}, {QStringLiteral("case"), TfsTok::Case},
        {QStringLiteral("const"), TfsTok::Const}, {QStringLiteral("div"), TfsTok::Div},
        {QStringLiteral("do"), TfsTok::Do}, {QStringLiteral("downto"), TfsTok::Downto},
        {QStringLiteral("else"), TfsTok::Else}, {QStringLiteral("end"), TfsTok::EndKw},
        {QStringLiteral("for"), TfsTok::For}, {QStringLiteral("function"), TfsTok::Function},
        {QStringLiteral("if"), TfsTok::If}, {QStringLiteral("in"), TfsTok::In},
        {QStringLiteral("is"), TfsTok::Is}, {QStringLiteral("mod"), TfsTok::Mod},
        {QStringLiteral("nil"), TfsTok::Nil}, {QStringLiteral("not"), TfsTok::Not},
        {QStringLiteral("of"), TfsTok::Of}, {QStringLiteral("or"), TfsTok::Or},
        {QStringLiteral("procedure"), TfsTok::Procedure}, {QStringLiteral("program"), TfsTok::Program},
        {QStringLiteral("repeat"), TfsTok::Repeat}, {QStringLiteral("shl"), TfsTok::Shl},
        {QStringLiteral("shr"), TfsTok::Shr}, {QStringLiteral("then"), TfsTok::Then},
        {QStringLiteral("to"), TfsTok::To}, {QStringLiteral("until"), TfsTok::Until},
        {QStringLiteral("var"), TfsTok::Var}, {QStringLiteral("while"), TfsTok::While},
        {QStringLiteral("xor"), TfsTok::Xor},
    };
    return words;
}

bool isIdentStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isIdentPart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

} // namespace

TfsLexer::TfsLexer(const QString &source) : m_src(source) {}

void TfsLexer::advance(int n)
{
    for (int i = 0; i < n && m_pos < m_src.size(); ++i) {
        if (m_src.at(m_pos) == QLatin1Char('\n')) {
            m_line++;
            m_lineStart = m_pos + 1;
        }
        m_pos++;
    }
}

void TfsLexer::skipBlanksAndComments()
{
    for (;;) {
        const QChar c = at(m_pos);
        if (c.isSpace()) {
            advance();
        } else if (c == QLatin1Char('/') && at(m_pos + 1) == QLatin1Char('/')) {
            while (m_pos < m_src.size() && at(m_pos) != QLatin1Char('\n'))
                advance();
        } else if (c == QLatin1Char('{') || (c == QLatin1Char('(') && at(m_pos + 1) == QLatin1Char('*'))) {
            const int line = m_line, column = m_pos - m_lineStart + 1;
            const bool brace = c == QLatin1Char('{');
            advance(brace ? 1 : 2);
            for (;;) {
                if (m_pos >= m_src.size())
                    throw TfsError(QStringLiteral("Kapanmamış açıklama"), line, column);
                if (brace && at(m_pos) == QLatin1Char('}')) {
                    advance();
                    break;
                }
                if (!brace && at(m_pos) == QLatin1Char('*') && at(m_pos + 1) == QLatin1Char(')')) {
                    advance(2);
                    break;
                }
                advance();
            }
        } else {
            return;
        }
    }
}

TfsToken TfsLexer::next()
{
    skipBlanksAndComments();
    TfsToken t;
    t.offset = m_pos;
    t.line = m_line;
    t.column = m_pos - m_lineStart + 1;
    if (m_pos >= m_src.size()) {
        t.end = m_pos;
        return t;
    }
    const QChar c = at(m_pos);
    if (isIdentStart(c))
        return identifier();
    if (isDigit(c) || c == QLatin1Char('$'))
        return number();
    if (c == QLatin1Char('\'') || c == QLatin1Char('#'))
        return string();

    struct Sym { QString text; TfsTok kind; };
    // QStrings built once, so a token's text shares them instead of allocating.
    static const Sym symbols[] = {
        {QStringLiteral(":="), TfsTok::Assign}, {QStringLiteral("<>"), TfsTok::NotEq},
        {QStringLiteral("<="), TfsTok::LessEq}, {QStringLiteral(">="), TfsTok::GreaterEq},
        {QStringLiteral(".."), TfsTok::DotDot}, {QStringLiteral("+"), TfsTok::Plus},
        {QStringLiteral("-"), TfsTok::Minus}, {QStringLiteral("*"), TfsTok::Star},
        {QStringLiteral("/"), TfsTok::Slash}, {QStringLiteral("="), TfsTok::Eq},
        {QStringLiteral("<"), TfsTok::Less}, {QStringLiteral(">"), TfsTok::Greater},
        {QStringLiteral("("), TfsTok::LParen}, {QStringLiteral(")"), TfsTok::RParen},
        {QStringLiteral("["), TfsTok::LBracket}, {QStringLiteral("]"), TfsTok::RBracket},
        {QStringLiteral(","), TfsTok::Comma}, {QStringLiteral(";"), TfsTok::Semicolon},
        {QStringLiteral(":"), TfsTok::Colon}, {QStringLiteral("."), TfsTok::Dot},
    };
    for (const Sym &s : symbols) {
        if (QStringView(m_src).mid(m_pos).startsWith(s.text)) {
            t.kind = s.kind;
            t.text = s.text;
            advance(int(s.text.size()));
            t.end = m_pos;
            return t;
        }
    }
    throw TfsError(QStringLiteral("Geçersiz karakter: '%1'").arg(c), t.line, t.column);
}

TfsToken TfsLexer::identifier()
{
    TfsToken t;
    t.offset = m_pos;
    t.line = m_line;
    t.column = m_pos - m_lineStart + 1;
    int e = m_pos;
    while (e < m_src.size() && isIdentPart(m_src.at(e)))
        ++e;
    t.text = m_src.mid(m_pos, e - m_pos);
    advance(e - m_pos);
    t.end = m_pos;
    t.kind = reservedWords().value(t.text.toLower(), TfsTok::Ident);
    return t;
}

TfsToken TfsLexer::number()
{
    TfsToken t;
    t.offset = m_pos;
    t.line = m_line;
    t.column = m_pos - m_lineStart + 1;
    int e = m_pos;
    if (at(e) == QLatin1Char('$')) {
        ++e;
        while (isHexDigit(at(e)))
            ++e;
        bool ok = false;
        const qulonglong v = m_src.mid(m_pos + 1, e - m_pos - 1).toULongLong(&ok, 16);
        if (!ok)
            throw TfsError(QStringLiteral("Geçersiz onaltılık sayı: '%1'").arg(m_src.mid(m_pos, e - m_pos)), t.line, t.column);
        t.kind = TfsTok::Integer;
        t.value = qint64(v);
    } else {
        while (isDigit(at(e)))
            ++e;
        bool isFloat = false;
        if (at(e) == QLatin1Char('.') && isDigit(at(e + 1))) {
            isFloat = true;
            ++e;
            while (isDigit(at(e)))
                ++e;
        }
        if ((at(e) == QLatin1Char('e') || at(e) == QLatin1Char('E'))
            && (isDigit(at(e + 1)) || ((at(e + 1) == QLatin1Char('+') || at(e + 1) == QLatin1Char('-')) && isDigit(at(e + 2))))) {
            isFloat = true;
            e += 2;
            while (isDigit(at(e)))
                ++e;
        }
        const QStringView text = QStringView(m_src).mid(m_pos, e - m_pos);
        bool ok = false;
        if (!isFloat) {
            const qint64 v = text.toLongLong(&ok);
            if (ok) {
                t.kind = TfsTok::Integer;
                t.value = v;
            }
        }
        if (!ok) {
            // Too large for an integer, or written as a float.
            const double d = text.toDouble(&ok);
            if (!ok || !qIsFinite(d))
                throw TfsError(QStringLiteral("Geçersiz sayı: '%1'").arg(text.left(40).toString()), t.line, t.column);
            t.kind = TfsTok::Float;
            t.value = d;
        }
    }
    if (isIdentPart(at(e)))
        throw TfsError(QStringLiteral("Geçersiz sayı: '%1'").arg(m_src.mid(m_pos, e - m_pos + 1).left(40)), t.line, t.column);
    // The text only serves error messages: built when one is needed (describe).
    advance(e - m_pos);
    t.end = m_pos;
    return t;
}

TfsToken TfsLexer::string()
{
    TfsToken t;
    t.kind = TfsTok::String;
    t.offset = m_pos;
    t.line = m_line;
    t.column = m_pos - m_lineStart + 1;
    QString value;
    for (;;) {
        if (at(m_pos) == QLatin1Char('\'')) {
            const int line = m_line, column = m_pos - m_lineStart + 1;
            int e = m_pos + 1;
            for (;;) {
                if (e >= m_src.size() || m_src.at(e) == QLatin1Char('\n') || m_src.at(e) == QLatin1Char('\r'))
                    throw TfsError(QStringLiteral("Kapanmamış metin"), line, column);
                if (m_src.at(e) == QLatin1Char('\'')) {
                    if (at(e + 1) == QLatin1Char('\'')) {
                        value += QLatin1Char('\'');
                        e += 2;
                        continue;
                    }
                    ++e;
                    break;
                }
                value += m_src.at(e);
                ++e;
            }
            advance(e - m_pos);
        } else if (at(m_pos) == QLatin1Char('#')) {
            const int column = m_pos - m_lineStart + 1;
            int e = m_pos + 1;
            bool ok = false;
            uint code = 0;
            if (at(e) == QLatin1Char('$')) {
                ++e;
                const int s = e;
                while (isHexDigit(at(e)) && e - s < 8)
                    ++e;
                code = m_src.mid(s, e - s).toUInt(&ok, 16);
            } else {
                const int s = e;
                while (isDigit(at(e)) && e - s < 8)
                    ++e;
                code = m_src.mid(s, e - s).toUInt(&ok, 10);
            }
            if (!ok || code > 0xFFFF || isIdentPart(at(e)))
                throw TfsError(QStringLiteral("Geçersiz karakter kodu: '%1'").arg(m_src.mid(m_pos, e - m_pos + 1)), m_line, column);
            value += QChar(char16_t(code));
            advance(e - m_pos);
        } else {
            break;
        }
    }
    t.text = value;
    t.end = m_pos;
    return t;
}

QString TfsLexer::readUntilGreater(int line, int column)
{
    int e = m_pos;
    while (e < m_src.size() && m_src.at(e) != QLatin1Char('>') && m_src.at(e) != QLatin1Char('\n'))
        ++e;
    if (e >= m_src.size() || m_src.at(e) != QLatin1Char('>'))
        throw TfsError(QStringLiteral("'>' bekleniyordu"), line, column);
    const QString name = m_src.mid(m_pos, e - m_pos);
    advance(e - m_pos + 1);
    return name;
}

QString TfsLexer::describe(const TfsToken &token)
{
    switch (token.kind) {
    case TfsTok::End:
        return QStringLiteral("metnin sonu");
    case TfsTok::String:
        return QLatin1Char('\'') + token.text.left(40) + QLatin1Char('\'');
    case TfsTok::Integer: case TfsTok::Float:
        return QLatin1Char('\'') + token.value.toString() + QLatin1Char('\'');
    default:
        return QLatin1Char('\'') + token.text.left(40) + QLatin1Char('\'');
    }
}
