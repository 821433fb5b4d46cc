#include "records/db/statementtranslator.h"

#include "platform/turkishcase.h"

#include <vector>

namespace db {
namespace {

struct Token {
    enum Kind { Word, Quoted, String, Bracket, Param, Space, Other } kind;
    QString text;
};

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Reads up to the closing `close`, a doubled close being part of the text.
qsizetype quotedEnd(const QString &s, qsizetype i, QChar close)
{
    ++i;
    while (i < s.size()) {
        if (s[i] == close) {
            if (i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return s.size();
}

std::vector<Token> tokenize(const QString &s)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        qsizetype end = i + 1;
        Token::Kind kind = Token::Other;
        if (c.isSpace()) {
            while (end < s.size() && s[end].isSpace())
                ++end;
            kind = Token::Space;
        } else if (c == QLatin1Char('-') && i + 1 < s.size() && s[i + 1] == QLatin1Char('-')) {
            end = s.indexOf(QLatin1Char('\n'), i);
            end = end < 0 ? s.size() : end;
            kind = Token::Space;
        } else if (c == QLatin1Char('/') && i + 1 < s.size() && s[i + 1] == QLatin1Char('*')) {
            end = s.indexOf(QStringLiteral("*/"), i + 2);
            end = end < 0 ? s.size() : end + 2;
            kind = Token::Space;
        } else if (c == QLatin1Char('\'')) {
            end = quotedEnd(s, i, c);
            kind = Token::String;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('`')) {
            end = quotedEnd(s, i, c);
            kind = Token::Quoted;
        } else if (c == QLatin1Char('[')) {
            end = s.indexOf(QLatin1Char(']'), i);
            end = end < 0 ? s.size() : end + 1;
            kind = Token::Bracket;
        } else if (c == QLatin1Char(':') && i + 1 < s.size() && isWordStart(s[i + 1])) {
            while (end < s.size() && isWordChar(s[end]))
                ++end;
            kind = Token::Param;
        } else if (isWordStart(c)) {
            while (end < s.size() && isWordChar(s[end]))
                ++end;
            kind = Token::Word;
        } else if (c.isDigit()) {
            while (end < s.size() && (s[end].isLetterOrNumber() || s[end] == QLatin1Char('.')))
                ++end;
        }
        tokens.push_back({kind, s.mid(i, end - i)});
        i = end;
    }
    return tokens;
}

bool isKeyword(const Token &t, const char *word)
{
    return t.kind == Token::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

QString unquote(const QString &quoted)
{
    const QChar q = quoted.front();
    QString inner = quoted.mid(1, quoted.size() >= 2 && quoted.back() == q ? quoted.size() - 2 : quoted.size() - 1);
    inner.replace(QString(2, q), QString(q));
    return inner;
}

QString singleQuoted(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

} // namespace

StatementTranslator::StatementTranslator(QStringList tableNames) : m_tables(std::move(tableNames))
{
    for (const QString &t : m_tables)
        m_folded << platform::turkishFold(t);
}

QString StatementTranslator::tableName(const QString &name) const
{
    const qsizetype i = m_folded.indexOf(platform::turkishFold(name));
    return i >= 0 ? m_tables[i] : name;
}

TranslatedStatement StatementTranslator::translate(const QString &sql, bool selectRowid) const
{
    std::vector<Token> tokens = tokenize(sql);
    TranslatedStatement result;
    result.original = sql;

    // Significant tokens (no blanks or comments) by index, for looking around.
    std::vector<size_t> sig;
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].kind != Token::Space)
            sig.push_back(i);

    for (size_t k = 0; k < sig.size(); ++k) {
        Token &t = tokens[sig[k]];
        if (t.kind == Token::Word) {
            t.text = tableName(t.text);
        } else if (t.kind == Token::Quoted) {
            if (k > 0 && isKeyword(tokens[sig[k - 1]], "like")) {
                t.kind = Token::String;
                t.text = singleQuoted(unquote(t.text));
            } else {
                const QString name = unquote(t.text);
                const QString canonical = tableName(name);
                if (canonical != name)
                    t.text = QLatin1Char('"') + canonical + QLatin1Char('"');
            }
        } else if (t.kind == Token::Param) {
            const QString name = t.text.mid(1);
            qsizetype index = -1;
            for (qsizetype p = 0; p < result.params.size(); ++p)
                if (platform::turkishFoldEquals(result.params[p], name))
                    index = p;
            if (index < 0) {
                index = result.params.size();
                result.params << name;
            }
            t.text = QLatin1Char('?') + QString::number(index + 1);
        }
    }

    // One table: SELECT [not DISTINCT] ... FROM table [[AS] alias] followed by
    // nothing, WHERE, ORDER or LIMIT, and no grouping or union at the top.
    QString qualifier;
    if (!sig.empty() && isKeyword(tokens[sig[0]], "select")
        && !(sig.size() > 1 && isKeyword(tokens[sig[1]], "distinct"))) {
        int depth = 0;
        size_t from = 0;
        bool compound = false;
        for (size_t k = 1; k < sig.size(); ++k) {
            const Token &t = tokens[sig[k]];
            if (t.text == QLatin1String("("))
                ++depth;
            else if (t.text == QLatin1String(")"))
                --depth;
            else if (depth == 0 && from == 0 && isKeyword(t, "from"))
                from = k;
            else if (depth == 0 && (isKeyword(t, "group") || isKeyword(t, "union") || isKeyword(t, "intersect")
                                    || isKeyword(t, "except") || isKeyword(t, "having")))
                compound = true;
        }
        if (from && !compound && from + 1 < sig.size()) {
            const Token &table = tokens[sig[from + 1]];
            size_t k = from + 2;
            QString alias;
            if (table.kind == Token::Word || table.kind == Token::Quoted || table.kind == Token::Bracket) {
                if (k < sig.size() && isKeyword(tokens[sig[k]], "as") && k + 1 < sig.size()) {
                    alias = tokens[sig[k + 1]].text;
                    k += 2;
                } else if (k < sig.size() && tokens[sig[k]].kind == Token::Word
                           && !isKeyword(tokens[sig[k]], "where") && !isKeyword(tokens[sig[k]], "order")
                           && !isKeyword(tokens[sig[k]], "limit")) {
                    alias = tokens[sig[k]].text;
                    ++k;
                }
                const bool ends = k >= sig.size() || isKeyword(tokens[sig[k]], "where")
                                  || isKeyword(tokens[sig[k]], "order") || isKeyword(tokens[sig[k]], "limit");
                if (ends) {
                    result.baseTable = table.kind == Token::Word ? table.text : tableName(unquote(table.text));
                    qualifier = alias.isEmpty() ? table.text : alias;
                }
            }
        }
    }

    if (selectRowid && !result.baseTable.isEmpty()) {
        tokens[sig[0]].text += QStringLiteral(" %1.rowid,").arg(qualifier);
        result.rowidColumn = true;
    }
    for (const Token &t : tokens)
        result.sql += t.text;
    return result;
}

TranslatedStatement StatementTranslator::wholeTable(const QString &table) const
{
    const QString name = tableName(table);
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    TranslatedStatement result;
    result.sql = QStringLiteral("SELECT rowid, * FROM \"%1\"").arg(quoted);
    result.original = name;
    result.baseTable = name;
    result.rowidColumn = true;
    return result;
}

} // namespace db
