#include "records/db/turkishsql.h"

#include "platform/turkishcase.h"

#include <QCollator>
#include <QLocale>
#include <QVarLengthArray>
#include <sqlite3.h>

namespace db {
namespace {

QCollator &collator()
{
    // One per thread; the database is used from the user-interface thread only,
    // the tool and the tests included.
    thread_local QCollator c(QLocale(QLocale::Turkish, QLocale::Turkey));
    return c;
}

int collate(void *, int len1, const void *s1, int len2, const void *s2)
{
    const QStringView a(static_cast<const QChar *>(s1), len1 / qsizetype(sizeof(QChar)));
    const QStringView b(static_cast<const QChar *>(s2), len2 / qsizetype(sizeof(QChar)));
    return TurkishSql::compare(a, b);
}

QStringView argText(sqlite3_value *v)
{
    const void *p = sqlite3_value_text16(v);
    const int bytes = sqlite3_value_bytes16(v);
    return QStringView(static_cast<const QChar *>(p), p ? bytes / qsizetype(sizeof(QChar)) : 0);
}

void likeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    // X LIKE Y [ESCAPE E] arrives as like(Y, X [, E]); NULL in gives NULL out.
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
    QChar escape;
    if (argc == 3) {
        const QStringView e = argText(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.front();
    }
    const QStringView pattern = argText(argv[0]);
    const QStringView text = argText(argv[1]);
    sqlite3_result_int(ctx, TurkishSql::like(pattern, text, escape) ? 1 : 0);
}

// A pattern element after folding: a literal character, one of anything (_),
// or any run (%).
struct Token {
    enum Kind : char { Literal, One, Many } kind;
    QChar c;
};

} // namespace

int TurkishSql::compare(QStringView a, QStringView b)
{
    const int c = collator().compare(a, b);
    if (c != 0)
        return c;
    return a.compare(b, Qt::CaseSensitive);
}

bool TurkishSql::like(QStringView pattern, QStringView text, QChar escape)
{
    QVarLengthArray<Token, 64> tokens;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!escape.isNull() && c == escape && i + 1 < pattern.size())
            tokens.append({Token::Literal, platform::turkishFold(pattern[++i])});
        else if (c == QLatin1Char('%'))
            tokens.append({Token::Many, QChar()});
        else if (c == QLatin1Char('_'))
            tokens.append({Token::One, QChar()});
        else
            tokens.append({Token::Literal, platform::turkishFold(c)});
    }

    // Greedy matching with back-tracking to the last %: enough for patterns
    // made only of literals, _ and %, and linear in practice.
    qsizetype t = 0, p = 0;
    qsizetype starP = -1, starT = 0;
    const qsizetype nt = text.size(), np = tokens.size();
    while (t < nt) {
        if (p < np && tokens[p].kind == Token::Many) {
            starP = p++;
            starT = t;
        } else if (p < np && (tokens[p].kind == Token::One || tokens[p].c == platform::turkishFold(text[t]))) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < np && tokens[p].kind == Token::Many)
        ++p;
    return p == np;
}

int TurkishSql::install(sqlite3 *db)
{
    int rc = sqlite3_create_collation_v2(db, "TURKISH", SQLITE_UTF16, nullptr, collate, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
                                        likeFunction, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "like", 3, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
                                        likeFunction, nullptr, nullptr, nullptr);
    return rc;
}

} // namespace db
