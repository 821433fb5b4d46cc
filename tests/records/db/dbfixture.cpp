#include "dbfixture.h"

#include "records/db/schema.h"
#include "records/db/sqlstatement.h"

namespace dbtest {

void DbFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
}

QString DbFixture::makeDatabase(const QStringList &statements, const QString &name)
{
    const QString path = m_dir.filePath(name);
    db::Connection connection;
    connection.open(path, db::Connection::defaultPassword(), db::OpenMode::CreateNew);
    db::Schema::create(connection);
    for (const QString &sql : statements)
        connection.execute(sql);
    return path;
}

QString DbFixture::makeRegister()
{
    return makeDatabase({
        "INSERT INTO Personel (Adi, Soyadi, Gorevi, TCKimlik, Birlestir) VALUES"
        " ('Ahmet', 'YILMAZ', 'Memur', '10000000146', 'Ahmet YILMAZ'),"
        " ('Şule', 'ÇELİK', 'Şef', '', 'Şule ÇELİK'),"
        " ('Can', 'ÖZ', 'Memur', NULL, 'Can ÖZ'),"
        " ('İpek', 'ARI', NULL, NULL, 'İpek ARI')",
        "INSERT INTO Yakinlar (SiraNo, Adi, Soyadi, Yakinligi, Birlestir) VALUES"
        " (1, 'Ayşe', 'YILMAZ', 'Eşi', 'YILMAZ Ayşe'),"
        " (1, 'Ali', 'YILMAZ', 'Oğlu', 'YILMAZ Ali'),"
        " (2, 'Deniz', 'ÇELİK', 'Kızı', 'ÇELİK Deniz')",
        "INSERT INTO istatistik (SiraNo, SevkAlan, Turu, Adet, Tarih) VALUES"
        " (1, 'Kendisi', 'Normal', 1, '2026-12-10'),"
        " (1, 'Yakını', 'Diş', 1, '2026-11-30'),"
        " (1, 'Kendisi', 'Diş', 1, '2026-12-11 09:30:00'),"
        " (3, 'Kendisi', 'Normal', 1, '2025-01-05')",
        "INSERT INTO Sabit (Adi, Soyadi, Unvani, Birlestir) VALUES ('Kemal', 'SAY', 'Müdür', 'Kemal SAY')",
        "INSERT INTO Unvan (Kategori) VALUES ('Memur'), ('Şef'), ('Müdür')",
        "INSERT INTO SKurum (SKurum) VALUES ('Devlet Hastanesi'), ('Ağız ve Diş Sağlığı Merkezi')",
    });
}

QString DbFixture::integrity(db::Connection &connection)
{
    return column(connection, QStringLiteral("PRAGMA integrity_check")).join(QLatin1Char('\n'));
}

QStringList DbFixture::column(db::Connection &connection, const QString &sql)
{
    db::SqlStatement statement(connection, sql, QStringLiteral("test"));
    QStringList out;
    while (statement.step())
        out << (statement.value(0).isNull() ? QStringLiteral("NULL") : statement.value(0).toString());
    return out;
}

} // namespace dbtest
