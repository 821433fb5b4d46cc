#pragma once
// The connection and the seven datasets of the main window, as one plain
// object the main window owns for the program's life. Members carry the
// names the rest of the program uses (Query1 is the staff list, the master of
// QueryDetail and QIstatistik). The handler slots (Query1BeforePost, ...) are
// the datasets' hooks; the windows install their handlers there.
//
// open() connects and opens the datasets in their fixed order; the two detail
// queries are first run for the staff list's current row.
#include "records/db/connection.h"
#include "records/db/dataset.h"

#include <QStringList>

namespace db {

class MainDatasets
{
public:
    MainDatasets();
    MainDatasets(const MainDatasets &) = delete;
    MainDatasets &operator=(const MainDatasets &) = delete;

    // Opens `path` (Data.ssd in the working directory by default) and then
    // Query1, QueryDetail, Table1, TableUnvan, TableSKurum, QIstatistik,
    // ADOQuery1 in this order. Throws LoderaError.
    void open(const QString &path = Connection::defaultFileName(),
              const QByteArray &password = Connection::defaultPassword());

    // By name without regard to case ("query1"); nullptr when unknown.
    Dataset *byName(const QString &name);

    // ---- the statements the program issues --------------------------------
    static QStringList staffAll();          // "Select * From Personel"
    static QStringList staffOrdered();      // "SELECT * FROM Personel ORDER BY Birlestir"
    static QStringList staffFilter();       // rows whose Birlestir begins with :Arama
    static QStringList dependants();        // "Select * From Yakinlar Where SiraNo=:SiraNo"
    static QStringList statsAtStart();      // "Select * From İstatistik Where SiraNo=:SiraNo ", "order by Tarih"
    static QStringList statsFiltered();     // date range :tarih1 .. :tarih2, both included
    static QStringList statsUnfiltered();   // "select * from istatistik where SiraNo=:SiraNo", "ORDER BY Tarih"
    static QStringList countsPerStaff();    // Birlestir with the number of its statistics rows

    // The filtering search of the staff list: replaces Query1's statement by
    // staffFilter() with the search text bound literally (a quote, % or _ in
    // it is an ordinary character) and opens it. The list then holds the rows
    // whose Birlestir begins with the text, Turkish case-insensitively; an
    // empty text lists every row with a display name.
    void filterStaff(const QString &text);
    // Replaces a dataset's statement and opens it (close, clear, add, open).
    static void replaceStatement(Dataset &dataset, const QStringList &lines);

    Connection Connection1;
    Dataset Query1;      // staff list, master of the two detail queries
    Dataset QueryDetail; // dependants of the current staff row
    Dataset Table1;      // table Sabit (signatories)
    Dataset TableUnvan;  // table Unvan (titles)
    Dataset TableSKurum; // table SKurum (health institutions)
    Dataset QIstatistik; // statistics rows of the current staff row
    Dataset ADOQuery1;   // statistics count of every staff member
};

} // namespace db
