#pragma once
// Prepared queries kept between uses on one connection.
//
// A report over the register opens its detail query once per staff member,
// ten thousand times in a list; preparing the same SELECT each time costs
// more than running it. A query statement that is done with is reset, its
// bindings cleared, and kept under its text; the next statement of the same
// text takes it instead of preparing again. Only SELECT statements are kept
// (the others run once, and their texts may carry the key); a statement whose
// text is already kept, or one more than the cache holds, is finalized.
// SQLite prepares a kept statement again by itself when the schema changed.
// The connection clears the cache before it closes.
#include <QHash>
#include <QString>

struct sqlite3_stmt;

namespace db {

class StatementCache
{
public:
    static constexpr int capacity = 64;

    StatementCache() = default;
    ~StatementCache();
    StatementCache(const StatementCache &) = delete;
    StatementCache &operator=(const StatementCache &) = delete;

    static bool keeps(const QString &sql);
    // A kept statement of that text, now the caller's, or none.
    sqlite3_stmt *take(const QString &sql);
    // The caller is done with `statement`: kept or finalized.
    void giveBack(const QString &sql, sqlite3_stmt *statement);
    void clear();
    int size() const { return int(m_idle.size()); }

private:
    QHash<QString, sqlite3_stmt *> m_idle;
};

} // namespace db
