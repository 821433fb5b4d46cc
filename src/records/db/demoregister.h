#pragma once
// A made-up but realistic register for trying the program out and for the
// benchmarks: Turkish staff members with given names in title case and
// surnames in capitals, valid T.C. kimlik numbers, spouses and children with
// their relationships, signatories, titles, health institutions, and
// statistics rows over the two years before `today`.
//
// Deterministic: the same options give the same register. Numbers come from
// our own small generator, not from the standard library's distributions,
// whose results differ between library implementations.
#include <QDate>
#include <QString>

namespace db {

class Connection;

struct DemoOptions {
    int staff = 200;
    int statsPerStaff = 3; // on average
    QDate today = QDate::currentDate();
    quint64 seed = 1953;
};

class DemoRegister
{
public:
    // Creates `path` (refusing an existing file) with the schema and fills it.
    static void create(const QString &path, const DemoOptions &options);
    // Fills an empty database, all in one transaction.
    static void fill(Connection &connection, const DemoOptions &options);
};

} // namespace db
