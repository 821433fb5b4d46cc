#pragma once
// The six tables of the register. Text columns are declared VARCHAR(n) with
// the Turkish collation, so their sizes travel with the file and sorting by a
// text column follows the Turkish alphabet; date-time columns are DATETIME and
// hold "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss" text, which sorts and compares
// like the dates. The three tables with a key use AUTOINCREMENT, so a deleted
// staff member's number is never given again (orphaned dependants and
// statistics rows must not attach to a new person). Indexes on the SiraNo
// columns of the detail tables keep the per-person queries fast.
#include <QString>
#include <QStringList>

namespace db {

class Connection;

class Schema
{
public:
    // The tables by name, as stored ("Personel", ..., "istatistik").
    static QStringList tableNames();
    // Creates the tables and indexes in an empty database, in one transaction.
    static void create(Connection &connection);
    // Throws when one of the tables is missing (an unrelated database file).
    static void verify(Connection &connection);
};

} // namespace db
