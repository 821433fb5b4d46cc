#pragma once
// A working folder with a fresh encrypted Data.ssd for one test: the program
// opens the file of its working folder, so the fixture moves there for its
// lifetime; the single-instance lock goes to the same folder, so tests never
// meet a copy of the program that a developer has running.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class RegisterFolder
{
public:
    RegisterFolder();
    ~RegisterFolder();

    QString path() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath(QStringLiteral("Data.ssd")); }
    // Runs statements on the file through a connection of its own.
    void exec(const QString &sql) const;
    // The first column of the first row of a query, as text.
    QString scalar(const QString &sql) const;
    // Twelve staff members, two dependants of the first, titles, signatories
    // and health institutions.
    void fillSample() const;

private:
    QTemporaryDir m_dir;
    QString m_previousFolder;
    QByteArray m_previousRuntime;
};

// Makes the database file immutable (even for root) while it lives, so every
// store is refused by the file system.
class ImmutableFile
{
public:
    explicit ImmutableFile(const QString &path);
    ~ImmutableFile();
    bool active() const { return m_active; }

private:
    QString m_path;
    bool m_active = false;
};
