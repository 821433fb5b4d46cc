#pragma once
// A real encrypted register in a temporary folder, made by the test itself.
#include "records/db/connection.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dbtest {

class DbFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    // A new Data.ssd with the schema, and the given statements run on it.
    QString makeDatabase(const QStringList &statements = {}, const QString &name = QStringLiteral("Data.ssd"));
    // The standard small register: four staff members (SiraNo 1..4),
    // dependants of 1 and 2, statistics rows of 1 and 3.
    QString makeRegister();

    // Result of PRAGMA integrity_check on an open connection ("ok").
    static QString integrity(db::Connection &connection);
    // One column of a query as text lines, for "statement in, rows out".
    static QStringList column(db::Connection &connection, const QString &sql);

    QTemporaryDir m_dir;
};

} // namespace dbtest
