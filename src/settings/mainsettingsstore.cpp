#include "settings/mainsettingsstore.h"

#include "platform/profilefile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString Info = QStringLiteral("Bilgiler");
const QString ExitNumberKey = QStringLiteral("Kurum Kayıt No");
const QString NameKey = QStringLiteral("Kurum Adı");
const QString AddressKey = QStringLiteral("Kurum Adresi");
const QString Choice = QStringLiteral("Secim");
const QString HealthKey = QStringLiteral("Saglik");

} // namespace

MainSettingsStore::MainSettingsStore(const QString &file) : m_file(file) {}

MainSettingsStore::MainSettingsStore() : MainSettingsStore(ProfileFile::programIniPath()) {}

MainSettings MainSettingsStore::load(const MainSettings &current) const
{
    MainSettings s;
    s.exitNumber = ProfileFile::readString(m_file, Info, ExitNumberKey, current.exitNumber);
    s.institutionName = ProfileFile::readString(m_file, Info, NameKey, current.institutionName);
    s.institutionAddress = ProfileFile::readString(m_file, Info, AddressKey, current.institutionAddress);
    s.healthInstitution = ProfileFile::readString(m_file, Choice, HealthKey, current.healthInstitution);
    return s;
}

void MainSettingsStore::save(const MainSettings &settings) const
{
    ProfileFile::writeString(m_file, QStringLiteral("Program"), QStringLiteral("Dizin"), executablePath());
    ProfileFile::writeString(m_file, Info, ExitNumberKey, settings.exitNumber);
    ProfileFile::writeString(m_file, Info, NameKey, settings.institutionName);
    ProfileFile::writeString(m_file, Info, AddressKey, settings.institutionAddress);
    ProfileFile::writeString(m_file, Choice, HealthKey, settings.healthInstitution);
}

QString MainSettingsStore::executablePath()
{
    // The folder and the file name joined by the system's own separator: on
    // this platform '/', since a backslash would be read as part of a name.
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}
