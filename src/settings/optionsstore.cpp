#include "settings/optionsstore.h"

#include "platform/profilefile.h"

namespace {

const QString Choices = QStringLiteral("Seçim");
const QString Statistics = QStringLiteral("Krtk");
const QString NotKeptKey = QStringLiteral("1");
const QString SelectedKey = QStringLiteral("Secim");

int buttonNumber(StatisticsMode mode)
{
    switch (mode) {
    case StatisticsMode::NotKept: return 1;
    case StatisticsMode::AskEachTime: return 2;
    case StatisticsMode::Always: return 3;
    case StatisticsMode::NoneSelected: break;
    }
    return 0;
}

} // namespace

OptionsStore::OptionsStore(const QString &file) : m_file(file) {}

OptionsStore::OptionsStore() : OptionsStore(ProfileFile::programIniPath()) {}

SettingsOptions OptionsStore::load(const SettingsOptions &current) const
{
    SettingsOptions o;
    o.preview = ProfileFile::readBool(m_file, Choices, QStringLiteral("Onzileme"), current.preview);
    o.filterSearch = ProfileFile::readBool(m_file, Choices, QStringLiteral("Arama"), current.filterSearch);
    o.alphabetical = ProfileFile::readBool(m_file, Choices, QStringLiteral("Siralama"), current.alphabetical);
    o.autoExitDate = ProfileFile::readBool(m_file, Choices, QStringLiteral("Tarih"), current.autoExitDate);

    const bool notKept = ProfileFile::readBool(m_file, Statistics, NotKeptKey,
                                               current.statistics == StatisticsMode::NotKept);
    if (notKept) {
        o.statistics = StatisticsMode::NotKept;
        return o;
    }
    // Without the key, the current choice stands when it is one of the two
    // that "1" = false allows; otherwise no button is selected.
    const QString fallback = QString::number(buttonNumber(current.statistics));
    const QString selected = ProfileFile::readString(m_file, Statistics, SelectedKey, fallback).trimmed();
    if (selected == u"2")
        o.statistics = StatisticsMode::AskEachTime;
    else if (selected == u"3")
        o.statistics = StatisticsMode::Always;
    else
        o.statistics = StatisticsMode::NoneSelected;
    return o;
}

void OptionsStore::save(const SettingsOptions &options) const
{
    ProfileFile::writeBool(m_file, Choices, QStringLiteral("Onzileme"), options.preview);
    ProfileFile::writeBool(m_file, Choices, QStringLiteral("Arama"), options.filterSearch);
    ProfileFile::writeBool(m_file, Choices, QStringLiteral("Siralama"), options.alphabetical);
    ProfileFile::writeBool(m_file, Choices, QStringLiteral("Tarih"), options.autoExitDate);
    ProfileFile::writeBool(m_file, Statistics, NotKeptKey, options.statistics == StatisticsMode::NotKept);
    ProfileFile::writeString(m_file, Statistics, SelectedKey, QString::number(buttonNumber(options.statistics)));
}
