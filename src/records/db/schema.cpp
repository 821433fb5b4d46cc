#include "records/db/schema.h"

#include "platform/loderaerror.h"
#include "records/db/connection.h"
#include "records/db/sqlstatement.h"

namespace db {
namespace {

const char *const createStatements[] = {
    "CREATE TABLE Personel ("
    " SiraNo INTEGER PRIMARY KEY AUTOINCREMENT,"
    " Kimlik VARCHAR(50) COLLATE TURKISH,"
    " Adi VARCHAR(15) COLLATE TURKISH,"
    " Soyadi VARCHAR(15) COLLATE TURKISH,"
    " Gorevi VARCHAR(20) COLLATE TURKISH,"
    " SicilNo VARCHAR(15) COLLATE TURKISH,"
    " KadroDerece VARCHAR(10) COLLATE TURKISH,"
    " TCKimlik VARCHAR(11) COLLATE TURKISH,"
    " TCVergi VARCHAR(10) COLLATE TURKISH,"
    " Birlestir VARCHAR(30) COLLATE TURKISH,"
    " YedekAlan1 VARCHAR(20) COLLATE TURKISH)",
    "CREATE TABLE Yakinlar ("
    " SiraNo INTEGER,"
    " Adi VARCHAR(15) COLLATE TURKISH,"
    " Soyadi VARCHAR(15) COLLATE TURKISH,"
    " Yakinligi VARCHAR(10) COLLATE TURKISH,"
    " Birlestir VARCHAR(30) COLLATE TURKISH,"
    " KarneNo VARCHAR(20) COLLATE TURKISH,"
    " TCKimlik VARCHAR(11) COLLATE TURKISH)",
    "CREATE TABLE Sabit ("
    " Adi VARCHAR(15) COLLATE TURKISH,"
    " Soyadi VARCHAR(15) COLLATE TURKISH,"
    " Unvani VARCHAR(20) COLLATE TURKISH,"
    " Birlestir VARCHAR(30) COLLATE TURKISH)",
    "CREATE TABLE Unvan ("
    " SiraNo INTEGER PRIMARY KEY AUTOINCREMENT,"
    " Kategori VARCHAR(20) COLLATE TURKISH)",
    "CREATE TABLE SKurum ("
    " SiraNo INTEGER PRIMARY KEY AUTOINCREMENT,"
    " SKurum VARCHAR(30) COLLATE TURKISH)",
    "CREATE TABLE istatistik ("
    " SiraNo INTEGER,"
    " SevkAlan VARCHAR(20) COLLATE TURKISH,"
    " Turu VARCHAR(20) COLLATE TURKISH,"
    " Adet INTEGER,"
    " Tarih DATETIME)",
    // The per-person queries and the count subquery look rows up by SiraNo;
    // the staff list is often ordered by its display name.
    "CREATE INDEX YakinlarSiraNo ON Yakinlar (SiraNo)",
    "CREATE INDEX istatistikSiraNo ON istatistik (SiraNo, Tarih)",
    "CREATE INDEX PersonelBirlestir ON Personel (Birlestir)",
};

} // namespace

QStringList Schema::tableNames()
{
    return {QStringLiteral("Personel"), QStringLiteral("Yakinlar"), QStringLiteral("Sabit"),
            QStringLiteral("Unvan"),    QStringLiteral("SKurum"),   QStringLiteral("istatistik")};
}

void Schema::create(Connection &connection)
{
    Connection::Transaction transaction(connection);
    for (const char *sql : createStatements)
        connection.execute(QString::fromUtf8(sql));
    transaction.commit();
}

void Schema::verify(Connection &connection)
{
    SqlStatement tables(connection, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"),
                        QStringLiteral("Veritabanı açılamadı"));
    QStringList present;
    while (tables.step())
        present << tables.value(0).toString();
    for (const QString &name : tableNames())
        if (!present.contains(name, Qt::CaseInsensitive))
            throw LoderaError(QStringLiteral("Veritabanı açılamadı: '%1' dosyasında '%2' tablosu yok.")
                                  .arg(connection.fileName(), name));
}

} // namespace db
