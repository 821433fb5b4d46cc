// Opening the register: the key, the file settings and every way opening can
// fail, each with a Turkish message that names the file.
#include "dbfixture.h"

#include "platform/loderaerror.h"
#include "records/db/connection.h"
#include "records/db/schema.h"
#include "records/db/sqlstatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

using namespace dbtest;

namespace {

class ConnectionTest : public DbFixture
{
};

QString openError(const QString &path, const QByteArray &password = db::Connection::defaultPassword())
{
    db::Connection connection;
    try {
        connection.open(path, password);
    } catch (const LoderaError &e) {
        EXPECT_FALSE(connection.isOpen());
        return e.message();
    }
    return QStringLiteral("(opened)");
}

// "Name TYPE" of every column of a table.
QStringList tableInfo(db::Connection &connection, const QString &table)
{
    db::SqlStatement info(connection, QStringLiteral("PRAGMA table_info(%1)").arg(table), "test");
    QStringList out;
    while (info.step())
        out << info.value(1).toString() + ' ' + info.value(2).toString();
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST_F(ConnectionTest, NewFileIsEncryptedAndHoldsTheSixTables)
{
    const QString path = makeDatabase();

    // Without the key the SQLite API cannot read the file.
    sqlite3 *raw = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const int rc = sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    EXPECT_EQ(rc, SQLITE_NOTADB);

    // Nor does plain text of the schema appear anywhere in the file.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_FALSE(bytes.contains("Personel"));
    EXPECT_FALSE(bytes.startsWith("SQLite format 3"));

    db::Connection connection;
    connection.open(path);
    EXPECT_EQ(column(connection, "SELECT name FROM sqlite_master WHERE type = 'table' AND name <> 'sqlite_sequence'"
                                 " ORDER BY name COLLATE NOCASE"),
              QStringList({"istatistik", "Personel", "Sabit", "SKurum", "Unvan", "Yakinlar"}));
    EXPECT_EQ(column(connection, "PRAGMA journal_mode"), QStringList{"delete"});
    EXPECT_EQ(column(connection, "PRAGMA synchronous"), QStringList{"2"}); // FULL
    EXPECT_EQ(integrity(connection), "ok");
    EXPECT_NO_THROW(db::Schema::verify(connection));
}

TEST_F(ConnectionTest, ColumnsOfTheTablesKeepTheirTypesAndSizes)
{
    db::Connection connection;
    connection.open(makeDatabase());
    EXPECT_EQ(tableInfo(connection, "Personel"),
              QStringList({"SiraNo INTEGER", "Kimlik VARCHAR(50)", "Adi VARCHAR(15)", "Soyadi VARCHAR(15)",
                           "Gorevi VARCHAR(20)", "SicilNo VARCHAR(15)", "KadroDerece VARCHAR(10)",
                           "TCKimlik VARCHAR(11)", "TCVergi VARCHAR(10)", "Birlestir VARCHAR(30)",
                           "YedekAlan1 VARCHAR(20)"}));
    EXPECT_EQ(tableInfo(connection, "istatistik"),
              QStringList({"SiraNo INTEGER", "SevkAlan VARCHAR(20)", "Turu VARCHAR(20)", "Adet INTEGER",
                           "Tarih DATETIME"}));
}

TEST_F(ConnectionTest, CreatingNeverOverwrites)
{
    const QString path = makeDatabase();
    db::Connection connection;
    try {
        connection.open(path, db::Connection::defaultPassword(), db::OpenMode::CreateNew);
        FAIL() << "created over an existing file";
    } catch (const LoderaError &e) {
        EXPECT_TRUE(e.message().contains("'Data.ssd'")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("zaten var"));
    }
    db::Connection again;
    again.open(path);
    EXPECT_EQ(column(again, "SELECT count(*) FROM sqlite_master WHERE type = 'table'").value(0).toInt(), 7);
}

TEST_F(ConnectionTest, EveryBadFileGivesItsOwnTurkishMessage)
{
    const QByteArray key = db::Connection::defaultPassword();
    const QString good = makeDatabase();
    QFile g(good);
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    const QByteArray bytes = g.readAll();
    g.close();
    ASSERT_GE(bytes.size(), 4096);

    struct Row {
        const char *name;
        QString file;
        QByteArray content; // null: do not write
        QByteArray password;
        const char *expected;
    };
    const QString missing = m_dir.filePath("missing/Data.ssd");
    const Row rows[] = {
        {"missing file", missing, QByteArray(), key, "'Data.ssd' dosyası bulunamadı"},
        {"wrong password", good, QByteArray(), "mavi1954", "'Data.ssd' dosyasının şifresi yanlış ya da dosya bir veritabanı değil."},
        {"not a database", m_dir.filePath("text/Data.ssd"), QByteArray(4096, 'x'), key, "şifresi yanlış ya da dosya bir veritabanı değil"},
        {"empty file", m_dir.filePath("empty/Data.ssd"), QByteArray(""), key, "dosyası boş"},
        {"cut inside a page", m_dir.filePath("cut1/Data.ssd"), bytes.left(bytes.size() - 100), key, "eksik"},
        {"cut at a page boundary", m_dir.filePath("cut2/Data.ssd"), bytes.left(bytes.size() - 2048), key, "eksik"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.content.isNull()) {
            QDir().mkpath(QFileInfo(row.file).path());
            writeFile(row.file, row.content);
        }
        const QString message = openError(row.file, row.password);
        EXPECT_TRUE(message.contains(QString::fromUtf8(row.expected))) << message.toStdString();
        EXPECT_TRUE(message.contains("'Data.ssd'")) << message.toStdString();
        EXPECT_FALSE(message.contains("Sorgu:")) << message.toStdString(); // a fault of the file, not a statement
    }
    // Opening a missing file never leaves one behind.
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(missing).path()));
}

// A query done with is kept prepared for the next statement of the same text,
// without the values bound to it; other statements are not kept, a query in
// use is never handed out twice, the cache has a bound, and closing empties it.
TEST_F(ConnectionTest, QueriesAreKeptPreparedBetweenUses)
{
    db::Connection connection;
    connection.open(makeRegister());
    const int opening = connection.statements().size(); // the queries of opening the file
    const QString query = QStringLiteral("SELECT Adi FROM Personel WHERE SiraNo = ?1");
    sqlite3_stmt *first = nullptr;
    {
        db::SqlStatement s(connection, query, "test");
        s.bind(1, 2);
        ASSERT_TRUE(s.step());
        EXPECT_FALSE(s.value(0).toString().isEmpty());
        first = s.handle();
    }
    EXPECT_EQ(connection.statements().size(), opening + 1);
    {
        db::SqlStatement again(connection, query, "test");
        EXPECT_EQ(again.handle(), first);
        EXPECT_EQ(connection.statements().size(), opening);
        // Nothing bound: SiraNo = NULL matches no row.
        EXPECT_FALSE(again.step());
        db::SqlStatement meanwhile(connection, query, "test");
        EXPECT_NE(meanwhile.handle(), first);
    }
    EXPECT_EQ(connection.statements().size(), opening + 1) << "one kept per text";

    connection.execute(QStringLiteral("UPDATE Personel SET Adi = 'x' WHERE SiraNo = 1"));
    EXPECT_EQ(connection.statements().size(), opening + 1) << "an update is not kept";

    for (int i = 0; i < db::StatementCache::capacity + 6; ++i)
        db::SqlStatement(connection, QStringLiteral("SELECT %1").arg(i), "test");
    EXPECT_EQ(connection.statements().size(), db::StatementCache::capacity);

    connection.close();
    EXPECT_EQ(connection.statements().size(), 0);
}
