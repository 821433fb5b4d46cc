#pragma once
// Reading and writing single keys of a profile (INI) file, the way the program
// keeps its settings: the settings file next to the executable and the
// program's section of the user's win.ini.
//
// Every call works on the file itself: a read opens and parses the file, a
// write reads it, changes one line and replaces the file (through a temporary
// file in the same folder where possible, so a crash never leaves half a
// file). Nothing is cached, so two copies of the program sharing win.ini see
// each other's writes. Reading never fails: a missing or unreadable file or key
// gives the default. Writing fails loudly with a LoderaError that names the
// file. The line and name rules are those of ProfileDocument.
#include <QString>

class ProfileFile
{
public:
    // Longest value a read returns; longer values are cut, as Windows cuts
    // them to its 2048-byte buffer.
    static constexpr qsizetype MaxValueLength = 2047;

    static QString readString(const QString &file, const QString &section, const QString &key,
                              const QString &def);

    // A truth value: an integer in decimal, or hexadecimal after "0x"/"0X",
    // with an optional sign; any value other than 0 is true. A missing, empty
    // or non-numeric value ("yes", "1a") gives the default.
    static bool readBool(const QString &file, const QString &section, const QString &key, bool def);

    // Writes a key, creating the folder, file, section and key as needed. A
    // value with a line break is written with blanks in its place (a value is
    // one line). A value that reading would trim or unquote is written in
    // quotes, so that it reads back exactly. Throws LoderaError naming the
    // file when it cannot be written or when a name or the value holds a
    // character that code page 1254 does not have.
    static void writeString(const QString &file, const QString &section, const QString &key,
                            const QString &value);

    // Writes "1" or "0".
    static void writeBool(const QString &file, const QString &section, const QString &key, bool value);

    // The integer form of a stored value, as readBool reads it.
    static bool parseInteger(QStringView text, qint64 *value);

    // The user's win.ini: $XDG_CONFIG_HOME/win.ini, or ~/.config/win.ini when
    // that is unset or not an absolute path.
    static QString winIniPath();

    // The settings file: "Lodera.ini" in the folder of the running executable.
    static QString programIniPath();
};
