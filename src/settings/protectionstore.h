#pragma once
// The password protection keys in section "Lodera" of the user's win.ini: the
// switch "Active" and the password "SSifre", kept as typed. Every copy of the
// program for this user shares them.
#include <QString>

class ProtectionStore
{
public:
    explicit ProtectionStore(const QString &file);
    // On the user's win.ini.
    ProtectionStore();

    bool readActive() const;               // default false
    void writeActive(bool active) const;   // throws LoderaError naming the file

    QString readPassword() const;          // default empty
    // Throws LoderaError "Şifre yazılamadı" when the password cannot be stored.
    void writePassword(const QString &password) const;

    const QString &file() const { return m_file; }

private:
    QString m_file;
};
