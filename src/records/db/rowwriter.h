#pragma once
// Stores and deletes single rows of one table by rowid, each in a transaction
// of its own, and reads a stored row back so the dataset shows what the file
// holds (the key the database gave, for one).
//
// An update writes only the columns that changed, so a change another copy of
// the program made meanwhile to other columns of the same row survives. When
// the row is gone (deleted by another copy), the store fails instead of
// silently doing nothing.
#include "records/db/resultset.h"

#include <QVector>
#include <vector>

namespace db {

class Connection;

class RowWriter
{
public:
    RowWriter(Connection &connection, const ResultSet &result, const QString &datasetName);

    // A new row as stored: its rowid and its values read back in the
    // result's columns (see readBack).
    struct Stored {
        qint64 rowid = 0;
        QVector<QVariant> values;
    };
    // Inserts the writable columns marked in `changed` and reads the new row
    // back, in one transaction.
    Stored insert(const QVector<QVariant> &values, const std::vector<bool> &changed);
    void update(qint64 rowid, const QVector<QVariant> &values, const std::vector<bool> &changed);
    void remove(qint64 rowid);

    // The row as stored now, in the result's columns; columns that do not
    // come from the table keep their value from `values`.
    QVector<QVariant> readBack(qint64 rowid, const QVector<QVariant> &values);

private:
    QString quotedTable() const;

    Connection &m_connection;
    const ResultSet &m_result;
    QString m_dataset;
};

} // namespace db
