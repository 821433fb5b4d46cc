#pragma once
// The main window's keys of the settings file Lodera.ini: read once when the
// window is shown, written once when it closes. Section "Secim" here is spelt
// with a plain c; the options live in "Seçim" (see OptionsStore).
#include "settings/mainsettings.h"

#include <QString>

class MainSettingsStore
{
public:
    explicit MainSettingsStore(const QString &file);
    // On the settings file next to the executable.
    MainSettingsStore();

    // Missing keys keep the current texts.
    MainSettings load(const MainSettings &current) const;

    // Writes "Program"/"Dizin" (the executable's full path), the three
    // "Bilgiler" keys, then "Saglik"; throws LoderaError naming the file.
    void save(const MainSettings &settings) const;

    // The running executable's full path in the system's own separators.
    static QString executablePath();

    const QString &file() const { return m_file; }

private:
    QString m_file;
};
