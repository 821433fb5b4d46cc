#pragma once
// The options of the settings window in the settings file Lodera.ini.
//
// Four truth keys in section "Seçim" (with ç) and the statistics choice in
// section "Krtk". Key "1" of "Krtk" says whether statistics are not kept (the
// first radio button); on its own it cannot tell the other two choices apart,
// so key "Secim" of the same section keeps the number of the selected button
// (1 to 3, 0 for none). A file without "Secim" reads as the program always
// read it: "1" false means no button selected.
//
// Reading takes the current options as the defaults of missing or unreadable
// keys, as the window passes its controls' states.
#include "settings/settingsoptions.h"

#include <QString>

class OptionsStore
{
public:
    explicit OptionsStore(const QString &file);
    // On the settings file next to the executable.
    OptionsStore();

    SettingsOptions load(const SettingsOptions &current) const;
    // Writes the four "Seçim" keys, then "Krtk"; throws LoderaError naming the file.
    void save(const SettingsOptions &options) const;

    const QString &file() const { return m_file; }

private:
    QString m_file;
};
