#include "settings/protectionstore.h"

#include "platform/loderaerror.h"
#include "platform/profilefile.h"

namespace {

const QString Section = QStringLiteral("Lodera");
const QString ActiveKey = QStringLiteral("Active");
const QString PasswordKey = QStringLiteral("SSifre");

} // namespace

ProtectionStore::ProtectionStore(const QString &file) : m_file(file) {}

ProtectionStore::ProtectionStore() : ProtectionStore(ProfileFile::winIniPath()) {}

bool ProtectionStore::readActive() const
{
    return ProfileFile::readBool(m_file, Section, ActiveKey, false);
}

void ProtectionStore::writeActive(bool active) const
{
    ProfileFile::writeBool(m_file, Section, ActiveKey, active);
}

QString ProtectionStore::readPassword() const
{
    return ProfileFile::readString(m_file, Section, PasswordKey, QString());
}

void ProtectionStore::writePassword(const QString &password) const
{
    try {
        ProfileFile::writeString(m_file, Section, PasswordKey, password);
    } catch (const LoderaError &) {
        // The clerk is told only that the password was not stored; the old one stays.
        throw LoderaError(QStringLiteral("Şifre yazılamadı"));
    }
}
