#include "records/db/rowwriter.h"

#include "platform/loderaerror.h"
#include "records/db/connection.h"
#include "records/db/fieldvalue.h"
#include "records/db/sqlstatement.h"

#include <sqlite3.h>

namespace db {
namespace {

QString quoted(const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

} // namespace

RowWriter::RowWriter(Connection &connection, const ResultSet &result, const QString &datasetName)
    : m_connection(connection), m_result(result), m_dataset(datasetName)
{
}

QString RowWriter::quotedTable() const
{
    return quoted(m_result.baseTable);
}

RowWriter::Stored RowWriter::insert(const QVector<QVariant> &values, const std::vector<bool> &changed)
{
    const QString what = QStringLiteral("Kayıt eklenemedi (%1)").arg(m_dataset);
    QStringList names, marks;
    QVector<QVariant> binds;
    for (size_t c = 0; c < m_result.columns.size(); ++c) {
        const ResultColumn &column = m_result.columns[c];
        if (!column.writable || !changed[c])
            continue;
        names << quoted(column.origin);
        marks << QStringLiteral("?%1").arg(binds.size() + 1);
        binds << FieldValue::toStorage(column.def.type, values[int(c)]);
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedTable())
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(quotedTable(), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    Connection::Transaction transaction(m_connection);
    SqlStatement statement(m_connection, sql, what);
    for (int i = 0; i < binds.size(); ++i)
        statement.bind(i + 1, binds[i]);
    statement.step();
    Stored stored;
    stored.rowid = sqlite3_last_insert_rowid(m_connection.handle());
    // Read back before the commit: should reading fail, nothing is stored
    // and the row can be posted again without being stored twice.
    stored.values = readBack(stored.rowid, values);
    transaction.commit();
    return stored;
}

void RowWriter::update(qint64 rowid, const QVector<QVariant> &values, const std::vector<bool> &changed)
{
    const QString what = QStringLiteral("Kayıt yazılamadı (%1)").arg(m_dataset);
    QStringList sets;
    QVector<QVariant> binds;
    for (size_t c = 0; c < m_result.columns.size(); ++c) {
        const ResultColumn &column = m_result.columns[c];
        if (!column.writable || !changed[c])
            continue;
        binds << FieldValue::toStorage(column.def.type, values[int(c)]);
        sets << QStringLiteral("%1 = ?%2").arg(quoted(column.origin)).arg(binds.size());
    }
    if (sets.isEmpty())
        return;
    binds << rowid;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                            .arg(quotedTable(), sets.join(QStringLiteral(", ")))
                            .arg(binds.size());
    Connection::Transaction transaction(m_connection);
    SqlStatement statement(m_connection, sql, what);
    for (int i = 0; i < binds.size(); ++i)
        statement.bind(i + 1, binds[i]);
    statement.step();
    if (sqlite3_changes(m_connection.handle()) != 1)
        throw LoderaError(QStringLiteral("%1: kayıt '%2' dosyasında artık yok; başka bir kullanıcı silmiş olabilir.")
                              .arg(what, m_connection.fileName()));
    transaction.commit();
}

void RowWriter::remove(qint64 rowid)
{
    const QString what = QStringLiteral("Kayıt silinemedi (%1)").arg(m_dataset);
    Connection::Transaction transaction(m_connection);
    SqlStatement statement(m_connection, QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quotedTable()), what);
    statement.bind(1, rowid);
    statement.step();
    // A row another copy deleted already is gone either way; nothing to report.
    transaction.commit();
}

QVector<QVariant> RowWriter::readBack(qint64 rowid, const QVector<QVariant> &values)
{
    QStringList names;
    std::vector<int> map;
    for (size_t c = 0; c < m_result.columns.size(); ++c) {
        const ResultColumn &column = m_result.columns[c];
        if (!column.writable && column.def.type != FieldType::AutoInc)
            continue;
        names << quoted(m_result.columns[c].origin);
        map.push_back(int(c));
    }
    QVector<QVariant> result = values;
    if (names.isEmpty())
        return result;
    SqlStatement statement(m_connection,
                           QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
                               .arg(names.join(QStringLiteral(", ")), quotedTable()),
                           QStringLiteral("Kayıt okunamadı (%1)").arg(m_dataset));
    statement.bind(1, rowid);
    if (statement.step())
        for (size_t i = 0; i < map.size(); ++i)
            result[map[i]] = FieldValue::fromStorage(m_result.columns[map[i]].def.type, statement.value(int(i)));
    return result;
}

} // namespace db
