#pragma once
// The one connection of the program to its encrypted database file.
//
// The file is opened, never created, unless the caller asks for a new one
// (the companion tool's init-db): a missing Data.ssd is an error, so a typo in
// the working folder never leaves an empty register behind. The key is applied
// first and then probed with a read of sqlite_master, since a wrong key or a
// file that is no database only shows there (SQLITE_NOTADB). The cipher
// settings are pinned to the SQLCipher 3 format, so the same file opens with
// older and newer library versions.
//
// Every connection registers the Turkish collation TURKISH (used by the text
// columns of the schema) and replaces LIKE by a Turkish case-insensitive one,
// so "ş" LIKE "Ş%" holds and lists sort A B C Ç D ... Ş T U Ü.
//
// File settings: journal_mode=DELETE (the file may sit on a network share that
// another copy of the program opens), synchronous=FULL (a store that returned
// survives a crash), a busy timeout so a second writer waits instead of
// failing. Errors are LoderaError with a Turkish text that names the file.
//
// Read scopes: every statement outside a transaction takes and drops the
// file's shared lock, checks for a hot journal and stats the file. A report
// over the whole register re-runs its detail query once per staff member, so
// that bookkeeping would cost more than the queries. While a ReadScope lives,
// the connection keeps one read transaction open instead. A store
// (Transaction) ends it first and takes it up again afterwards, so every store
// still commits to the file on its own. Another copy of the program that wants
// to store meanwhile waits for the scope to end (up to the busy timeout), so a
// scope lasts one report run, never longer.
#include "records/db/statementcache.h"

#include <QByteArray>
#include <QString>

struct sqlite3;

namespace db {

enum class OpenMode { ExistingFile, CreateNew };

class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // "Data.ssd", looked up in the working directory.
    static QString defaultFileName();
    // The database password of the program.
    static QByteArray defaultPassword();
    // Milliseconds a statement waits for another process's lock.
    static constexpr int busyTimeoutMs = 5000;

    // Opens (or, with CreateNew, creates: refusing an existing file) and keys
    // the file. Throws LoderaError; the connection stays closed then.
    void open(const QString &path = defaultFileName(),
              const QByteArray &password = defaultPassword(),
              OpenMode mode = OpenMode::ExistingFile);
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // The path as given, and the file name alone for messages.
    const QString &path() const { return m_path; }
    QString fileName() const;
    // True when the file could only be opened for reading.
    bool isReadOnly() const;

    // Runs statements that return no rows (schema, pragmas). Throws naming
    // the statement.
    void execute(const QString &sql);

    // One write transaction (BEGIN IMMEDIATE ... COMMIT); rolled back by the
    // destructor unless committed.
    class Transaction
    {
    public:
        explicit Transaction(Connection &connection);
        ~Transaction();
        void commit();

    private:
        Connection &m_connection;
        bool m_done = false;
    };

    // Holds the read transaction described above while it lives; scopes nest.
    class ReadScope
    {
    public:
        explicit ReadScope(Connection &connection);
        ~ReadScope();
        ReadScope(const ReadScope &) = delete;
        ReadScope &operator=(const ReadScope &) = delete;

    private:
        Connection &m_connection;
    };
    bool inReadScope() const { return m_readHolders > 0; }

    sqlite3 *handle() const { return m_db; }
    // Prepared queries kept between uses (SqlStatement takes and gives back).
    StatementCache &statements() const { return m_statements; }

    // Throws a LoderaError for the connection's last error: `what` says what
    // was being done ("Kayıt yazılamadı"), `statement` is named when given.
    [[noreturn]] void fail(int code, const QString &what, const QString &statement = {}) const;

private:
    void configure(const QByteArray &password);
    void probe();
    void beginRead();
    void endRead();

    sqlite3 *m_db = nullptr;
    mutable StatementCache m_statements;
    QString m_path;
    int m_readHolders = 0;
    bool m_readOpen = false;
};

} // namespace db
