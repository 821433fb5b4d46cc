#include "registerfolder.h"

#include "records/db/connection.h"
#include "records/db/schema.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <sqlite3.h>

RegisterFolder::RegisterFolder()
{
    m_previousFolder = QDir::currentPath();
    m_previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    db::Connection c;
    c.open(databasePath(), db::Connection::defaultPassword(), db::OpenMode::CreateNew);
    db::Schema::create(c);
    c.close();
    QDir::setCurrent(m_dir.path());
    qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
}

RegisterFolder::~RegisterFolder()
{
    QDir::setCurrent(m_previousFolder);
    if (m_previousRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", m_previousRuntime);
}

void RegisterFolder::exec(const QString &sql) const
{
    db::Connection c;
    c.open(databasePath());
    char *error = nullptr;
    if (sqlite3_exec(c.handle(), sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        ADD_FAILURE() << "test statement failed: " << (error ? error : "?") << " in " << sql.toStdString();
        sqlite3_free(error);
    }
}

QString RegisterFolder::scalar(const QString &sql) const
{
    db::Connection c;
    c.open(databasePath());
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(c.handle(), utf8.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "bad test query: " << sql.toStdString();
        return QString();
    }
    QString value;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return value;
}

void RegisterFolder::fillSample() const
{
    const char *staff[][2] = {{"Ahmet", "YILMAZ"}, {"Mehmet", "KAYA"},  {"Ayşe", "DEMİR"},
                              {"Fatma", "ŞAHİN"},  {"Ali", "ÇELİK"},    {"Ahu", "YILDIZ"},
                              {"Zeynep", "ÖZTÜRK"}, {"Mustafa", "AYDIN"}, {"Emine", "ARSLAN"},
                              {"Hasan", "DOĞAN"},  {"İsmail", "KILIÇ"}, {"Hüseyin", "ASLAN"}};
    QString sql = QStringLiteral("BEGIN;");
    for (const auto &p : staff) {
        const QString adi = QString::fromUtf8(p[0]);
        const QString soyadi = QString::fromUtf8(p[1]);
        sql += QStringLiteral("INSERT INTO Personel (Adi, Soyadi, Gorevi, Birlestir) "
                              "VALUES ('%1', '%2', 'Memur', '%1 %2');")
                   .arg(adi, soyadi);
    }
    sql += QStringLiteral(
        "INSERT INTO Yakinlar (SiraNo, Adi, Soyadi, Yakinligi, Birlestir) VALUES "
        "(1, 'Elif', 'YILMAZ', 'Kızı', 'YILMAZ Elif'), (1, 'Can', 'YILMAZ', 'Oğlu', 'YILMAZ Can');"
        "INSERT INTO Unvan (Kategori) VALUES ('Memur'), ('Şef'), ('Müdür');"
        "INSERT INTO Sabit (Adi, Soyadi, Unvani, Birlestir) VALUES ('Kemal', 'TUNA', 'Müdür', 'Kemal TUNA');"
        "INSERT INTO SKurum (SKurum) VALUES ('Devlet Hastanesi'), ('Ağız ve Diş Sağlığı Merkezi');"
        "COMMIT;");
    exec(sql);
}

ImmutableFile::ImmutableFile(const QString &path) : m_path(path)
{
    m_active = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
}

ImmutableFile::~ImmutableFile()
{
    if (m_active)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
}
