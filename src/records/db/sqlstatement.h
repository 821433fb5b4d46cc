#pragma once
// A prepared statement of the SQLite C API with ownership (given back to the
// connection's statement cache, or finalized, by the destructor) and Qt-typed
// binding and reading. Texts travel as UTF-16, the
// form QString holds, so no conversion happens on the way in or out.
#include <QString>
#include <QStringView>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class Connection;

class SqlStatement
{
public:
    // Prepares `sql`; throws a LoderaError naming `what` and the statement
    // (`shown`, the text as the program wrote it, when given).
    SqlStatement(const Connection &connection, const QString &sql, const QString &what,
                 const QString &shown = QString());
    ~SqlStatement();
    SqlStatement(const SqlStatement &) = delete;
    SqlStatement &operator=(const SqlStatement &) = delete;

    // 1-based positions. Null QVariant binds NULL; QDate/QDateTime must have
    // been turned into storage text by the caller.
    void bind(int position, const QVariant &value);
    int parameterCount() const;

    // One step: true while a row is available. Throws on error.
    bool step();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QString declaredType(int column) const;
    QString tableName(int column) const;  // base table of a result column, or empty
    QString originName(int column) const; // base column, or empty
    // The column's value with SQLite's own type: null, qlonglong, double,
    // QString or QByteArray.
    QVariant value(int column) const;
    qlonglong integer(int column) const;
    // True for a text value; `text` then views SQLite's buffer, valid until
    // the next step.
    bool isText(int column) const;
    QStringView textView(int column) const;

    const QString &sql() const { return m_sql; }
    sqlite3_stmt *handle() const { return m_stmt; }

private:
    const Connection &m_connection;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_text; // as prepared
    QString m_sql;
    QString m_what;
};

} // namespace db
