#include "referralregister.h"

#include "records/db/connection.h"
#include "records/db/schema.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

ReferralRegister::ReferralRegister(Content content)
{
    m_previousFolder = QDir::currentPath();
    const QString path = m_dir.filePath(QStringLiteral("Data.ssd"));
    db::Connection c;
    c.open(path, db::Connection::defaultPassword(), db::OpenMode::CreateNew);
    db::Schema::create(c);
    c.close();
    QDir::setCurrent(m_dir.path());
    if (content == Content::Empty)
        return;
    exec(QStringLiteral(
        "INSERT INTO Personel (Adi, Soyadi, Gorevi, SicilNo, KadroDerece, TCKimlik, TCVergi, "
        "Birlestir, YedekAlan1) VALUES "
        "('Ahmet', 'YILMAZ', 'Memur', '1234', '9/1', '10000000146', '55501', 'Ahmet YILMAZ', 'K-778'),"
        "('Mehmet', 'KAYA', 'Şef', '99', '5/3', '20000000028', '66', 'Mehmet KAYA', 'K-1');"
        "INSERT INTO Yakinlar (SiraNo, Adi, Soyadi, Yakinligi, Birlestir, KarneNo, TCKimlik) VALUES "
        "(1, 'Elif', 'YILMAZ', 'Kızı', 'YILMAZ Elif', 'Y-11', '30000000010'),"
        "(1, 'Can', 'YILMAZ', 'Oğlu', 'YILMAZ Can', 'Y-12', '40000000092');"
        "INSERT INTO Sabit (Adi, Soyadi, Unvani, Birlestir) VALUES ('Kemal', 'TUNA', 'Müdür', 'Kemal TUNA');"));
}

ReferralRegister::~ReferralRegister()
{
    m_data.reset();
    QDir::setCurrent(m_previousFolder);
}

void ReferralRegister::exec(const QString &sql) const
{
    db::Connection c;
    c.open(m_dir.filePath(QStringLiteral("Data.ssd")));
    char *error = nullptr;
    if (sqlite3_exec(c.handle(), sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        ADD_FAILURE() << "test statement failed: " << (error ? error : "?");
        sqlite3_free(error);
    }
}

QString ReferralRegister::column(const QString &sql) const
{
    db::Connection c;
    c.open(m_dir.filePath(QStringLiteral("Data.ssd")));
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(c.handle(), utf8.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "bad test query: " << sql.toStdString();
        return QString();
    }
    QStringList values;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        values << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return values.join(QLatin1Char('|'));
}

db::MainDatasets &ReferralRegister::open()
{
    m_data = std::make_unique<db::MainDatasets>();
    m_data->open(QStringLiteral("Data.ssd"));
    return *m_data;
}
