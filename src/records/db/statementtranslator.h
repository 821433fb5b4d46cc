#pragma once
// The one translation step between the program's statement texts and SQLite.
//
// The texts were written for another engine, and the program sends them as
// they stand. Three things differ, and only these are changed:
//  - table names compare under Turkish case rules there: "İstatistik" is the
//    table "istatistik" (SQLite folds ASCII letters only);
//  - a double-quoted text after LIKE is a string there ("Ahmet%");
//  - parameters (:name) are matched by name without regard to case; they are
//    turned into numbered placeholders, one per distinct name.
// Nothing inside quotes or comments is touched.
//
// It also finds out whether the rows of a SELECT come from exactly one table
// (no join, grouping or union), so the dataset can select the rowid with them
// and store changed rows back by it.
#include <QString>
#include <QStringList>

namespace db {

struct TranslatedStatement {
    QString original;   // as the program wrote it, for messages
    QString sql;        // for SQLite; with a leading rowid column when rowidColumn
    QStringList params; // distinct parameter names; the n-th binds to ?n+1
    QString baseTable;  // the single table the rows come from, or empty
    bool rowidColumn = false; // column 0 of the result is that table's rowid
};

class StatementTranslator
{
public:
    explicit StatementTranslator(QStringList tableNames);

    // `sql` is the statement as the program writes it. With `selectRowid`,
    // a single-table SELECT gets the table's rowid as its first column.
    TranslatedStatement translate(const QString &sql, bool selectRowid = true) const;

    // The statement for a whole table.
    TranslatedStatement wholeTable(const QString &table) const;

    // The canonical spelling of a table name, or the name itself.
    QString tableName(const QString &name) const;

private:
    QStringList m_tables;
    QStringList m_folded;
};

} // namespace db
