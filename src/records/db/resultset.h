#pragma once
// The rows of one opening of a dataset, in memory, in their current order.
//
// Each row carries the rowid of its table row (when the statement reads one
// table) and a serial number that names it for bookmarks and restores the
// statement's order when the client-side sort is cleared. Columns carry their
// definition and whether a store may write them (a column of the one base
// table, not its auto-increment key).
#include "records/db/fielddef.h"
#include "records/db/statementtranslator.h"
#include "records/db/textarena.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <vector>

namespace db {

class Connection;

struct ResultRow {
    qint64 rowid = 0;
    quint64 serial = 0;
    QVector<QVariant> values;
};

struct ResultColumn {
    FieldDef def;
    QString origin;        // the base table's column name
    bool writable = false; // a store writes it
};

class ResultSet
{
public:
    // Runs the translated statement with the values bound to ?1..?n.
    static ResultSet fetch(const Connection &connection, const TranslatedStatement &statement,
                           const QVector<QVariant> &binds, const QString &what);
    // Only the column descriptions (the statement is prepared, not run).
    static std::vector<ResultColumn> describe(const Connection &connection, const TranslatedStatement &statement,
                                              const QString &what);

    std::vector<ResultColumn> columns;
    std::vector<std::unique_ptr<ResultRow>> rows;
    QString baseTable;
    quint64 nextSerial = 1;
    // Holds the texts of `rows`; see TextArena for the rule on copies.
    std::shared_ptr<TextArena> texts;

    int columnIndex(const QString &name) const; // without regard to case, -1 when missing
    int rowOfSerial(quint64 serial) const;       // position, -1 when gone

    // Sorts by "Name ASC, Other DESC"; text in Turkish order, NULL first.
    // An empty text restores the statement's order. Throws for unknown names.
    void sort(const QString &sortText, const QString &datasetName);
};

} // namespace db
