#include "records/db/connection.h"

#include "platform/loderaerror.h"
#include "records/db/sqlstatement.h"
#include "records/db/turkishsql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace db {
namespace {

// SQLCipher 3 writes pages of 1024 bytes; a file of another length was cut short.
constexpr qint64 pageSize = 1024;

QString explanation(int code)
{
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        return QStringLiteral("dosyasının şifresi yanlış ya da dosya bir veritabanı değil.");
    case SQLITE_CORRUPT:
        return QStringLiteral("dosyası bozuk ya da eksik.");
    case SQLITE_READONLY:
        return QStringLiteral("dosyası salt okunur; değişiklik yazılamadı.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("dosyası başka bir program tarafından kilitli; biraz sonra yeniden deneyin.");
    case SQLITE_CANTOPEN:
        return QStringLiteral("dosyası açılamadı.");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("dosyasına erişim izni yok.");
    case SQLITE_FULL:
        return QStringLiteral("dosyası yazılırken disk doldu.");
    case SQLITE_IOERR:
        return QStringLiteral("dosyası okunurken ya da yazılırken bir giriş/çıkış hatası oldu.");
    default:
        return QString();
    }
}

} // namespace

Connection::Connection() = default;

Connection::~Connection()
{
    close();
}

QString Connection::defaultFileName()
{
    return QStringLiteral("Data.ssd");
}

QByteArray Connection::defaultPassword()
{
    return QByteArrayLiteral("mavi1953");
}

QString Connection::fileName() const
{
    return QFileInfo(m_path).fileName();
}

bool Connection::isReadOnly() const
{
    return m_db && sqlite3_db_readonly(m_db, "main") == 1;
}

void Connection::open(const QString &path, const QByteArray &password, OpenMode mode)
{
    close();
    m_path = path;
    const QFileInfo info(path);
    const QString name = info.fileName();
    auto refuse = [&](const QString &text) -> void {
        m_path.clear();
        throw LoderaError(text);
    };

    int flags = SQLITE_OPEN_READWRITE;
    if (mode == OpenMode::ExistingFile) {
        if (!info.exists())
            refuse(QStringLiteral("Veritabanı açılamadı: '%1' dosyası bulunamadı (%2).")
                       .arg(name, QDir::toNativeSeparators(info.absoluteFilePath())));
        if (!info.isFile())
            refuse(QStringLiteral("Veritabanı açılamadı: '%1' bir dosya değil.").arg(name));
        // SQLite would take an empty file for a new, empty database.
        if (info.size() == 0)
            refuse(QStringLiteral("Veritabanı açılamadı: '%1' dosyası boş; bir veritabanı değil.").arg(name));
        if (info.size() % pageSize != 0)
            refuse(QStringLiteral("Veritabanı açılamadı: '%1' dosyası eksik (kesilmiş) ya da bir veritabanı değil.")
                       .arg(name));
    } else {
        if (info.exists())
            refuse(QStringLiteral("Veritabanı oluşturulamadı: '%1' dosyası zaten var; üzerine yazılmaz.").arg(name));
        flags |= SQLITE_OPEN_CREATE;
    }

    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = explanation(rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        refuse(QStringLiteral("Veritabanı açılamadı: '%1' %2")
                   .arg(name, text.isEmpty() ? QStringLiteral("dosyası açılamadı.") : text));
    }
    try {
        configure(password);
        if (mode == OpenMode::ExistingFile)
            probe();
        else
            // Texts are read as UTF-16, the form QString holds; storing them
            // so spares a conversion of every value read.
            execute(QStringLiteral("PRAGMA encoding = 'UTF-16le'"));
        execute(QStringLiteral("PRAGMA journal_mode = DELETE"));
        execute(QStringLiteral("PRAGMA synchronous = FULL"));
        // Every page read from the file is decrypted and checked; a cache
        // that holds the whole register of an office (a few megabytes) lets
        // the count of all staff members re-run without reading the file
        // again. The library's default of 2 MB is smaller than that.
        execute(QStringLiteral("PRAGMA cache_size = -32768"));
    } catch (...) {
        sqlite3_close(m_db);
        m_db = nullptr;
        m_path.clear();
        throw;
    }
}

void Connection::configure(const QByteArray &password)
{
    sqlite3_extended_result_codes(m_db, 0);
    if (sqlite3_key(m_db, password.constData(), int(password.size())) != SQLITE_OK)
        fail(SQLITE_ERROR, QStringLiteral("Veritabanı açılamadı"));
    // SQLCipher 4 and later change the defaults; the file keeps the format of 3.
    {
        SqlStatement version(*this, QStringLiteral("PRAGMA cipher_version"), QStringLiteral("Veritabanı açılamadı"));
        const QString v = version.step() ? version.value(0).toString() : QString();
        if (v.section(QLatin1Char('.'), 0, 0).toInt() >= 4)
            execute(QStringLiteral("PRAGMA cipher_compatibility = 3"));
    }
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
    const int rc = TurkishSql::install(m_db);
    if (rc != SQLITE_OK)
        fail(rc, QStringLiteral("Veritabanı açılamadı"));
}

void Connection::probe()
{
    const QString what = QStringLiteral("Veritabanı açılamadı");
    {
        // A wrong key only shows at the first read of a page.
        SqlStatement count(*this, QStringLiteral("SELECT count(*) FROM sqlite_master"), what);
        count.step();
    }
    // The header knows how many pages the file should have; fewer on disk
    // means the file was cut short at a page boundary.
    SqlStatement pages(*this, QStringLiteral("PRAGMA page_count"), what);
    const qint64 expected = pages.step() ? pages.integer(0) : 0;
    if (expected * pageSize > QFileInfo(m_path).size())
        throw LoderaError(QStringLiteral("Veritabanı açılamadı: '%1' dosyası eksik (kesilmiş).").arg(fileName()));
}

void Connection::close()
{
    endRead();
    m_statements.clear();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_path.clear();
}

void Connection::execute(const QString &sql)
{
    if (!m_db)
        throw LoderaError(QStringLiteral("Veritabanı bağlantısı açık değil: %1").arg(sql));
    // Pragmas may answer with a row; step through everything.
    SqlStatement statement(*this, sql, QStringLiteral("Komut çalıştırılamadı"));
    while (statement.step()) {
    }
}

Connection::Transaction::Transaction(Connection &connection) : m_connection(connection)
{
    m_connection.endRead();
    try {
        m_connection.execute(QStringLiteral("BEGIN IMMEDIATE"));
    } catch (...) {
        m_connection.beginRead();
        throw;
    }
}

Connection::Transaction::~Transaction()
{
    if (!m_done && m_connection.handle())
        sqlite3_exec(m_connection.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    m_connection.beginRead();
}

void Connection::Transaction::commit()
{
    m_connection.execute(QStringLiteral("COMMIT"));
    m_done = true;
}

Connection::ReadScope::ReadScope(Connection &connection) : m_connection(connection)
{
    ++m_connection.m_readHolders;
    m_connection.beginRead();
}

Connection::ReadScope::~ReadScope()
{
    --m_connection.m_readHolders;
    if (m_connection.m_readHolders == 0)
        m_connection.endRead();
}

// Both never throw: without the read transaction every statement simply
// takes its own lock, as it does outside a scope.
void Connection::beginRead()
{
    if (m_readHolders == 0 || m_readOpen || !m_db || !sqlite3_get_autocommit(m_db))
        return;
    m_readOpen = sqlite3_exec(m_db, "BEGIN DEFERRED", nullptr, nullptr, nullptr) == SQLITE_OK;
}

void Connection::endRead()
{
    if (!m_readOpen)
        return;
    m_readOpen = false;
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
}

void Connection::fail(int code, const QString &what, const QString &statement) const
{
    const QString text = explanation(code);
    // A fault of the file is told with the file's name; a fault of a
    // statement with the statement, as the program wrote it.
    if (!text.isEmpty())
        throw LoderaError(QStringLiteral("%1: '%2' %3").arg(what, fileName(), text));
    const QString detail = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("bağlantı yok");
    QString message = QStringLiteral("%1: %2").arg(what, detail);
    if (!statement.isEmpty())
        message += QStringLiteral("\nSorgu: %1").arg(statement);
    throw LoderaError(message);
}

} // namespace db
