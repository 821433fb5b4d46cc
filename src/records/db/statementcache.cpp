#include "records/db/statementcache.h"

#include <sqlite3.h>

namespace db {

StatementCache::~StatementCache() { clear(); }

bool StatementCache::keeps(const QString &sql)
{
    return QStringView(sql).trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive);
}

sqlite3_stmt *StatementCache::take(const QString &sql)
{
    const auto it = m_idle.find(sql);
    if (it == m_idle.end())
        return nullptr;
    sqlite3_stmt *statement = it.value();
    m_idle.erase(it);
    return statement;
}

void StatementCache::giveBack(const QString &sql, sqlite3_stmt *statement)
{
    if (!statement)
        return;
    if (!keeps(sql) || m_idle.contains(sql) || m_idle.size() >= capacity) {
        sqlite3_finalize(statement);
        return;
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    m_idle.insert(sql, statement);
}

void StatementCache::clear()
{
    for (sqlite3_stmt *statement : std::as_const(m_idle))
        sqlite3_finalize(statement);
    m_idle.clear();
}

} // namespace db
