#pragma once
// The contents of one profile (INI) file, held as the file's own lines.
//
// A profile file is a list of lines in code page 1254: "[Section]" headers and
// "key=value" lines. Everything else (comments, blank lines, lines without an
// equals sign, keys before the first section) is kept but never matches a
// lookup. Changing a key rewrites that one line only; every other line keeps
// its bytes and its own line ending, so a file the user edited by hand stays as
// it was apart from the value written.
//
// Matching rules, chosen to read like the Windows profile functions:
// - Section and key names are trimmed of blanks and tabs and compared without
//   regard to case: each character is taken at its locale-independent Unicode
//   upper case, as Windows' case-insensitive compare does. So "seçim" matches
//   "SEÇIM", "kayıt" matches "KAYIT", while "Seçim" and "Secim" stay two
//   sections. (İ upper-cases to itself, so "İ" matches only "İ".)
// - A section that occurs twice is one section; in it, the first line of a
//   key wins, for reading and for writing.
// - A value is trimmed of blanks and tabs; one pair of matching single or
//   double quotes around it is removed.
//
// The code page is single-byte, so a character index into a decoded line is
// also a byte index into the raw line; the class relies on that throughout.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

class ProfileDocument
{
public:
    explicit ProfileDocument(const QByteArray &bytes = {});

    // The value of a key, already trimmed and unquoted; nothing when the
    // section or the key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Sets a key, adding the key (after the section's last key) or the section
    // (at the end of the file) when missing. The texts must be encodable in
    // code page 1254 and free of line breaks: the caller checks that.
    void setValue(QStringView section, QStringView key, QStringView value);

    QByteArray toBytes() const;

    // The form in which a value is written so that reading gives it back:
    // quoted when its edges would otherwise be trimmed or unquoted.
    static QString encodeValue(QStringView value);

    static bool namesEqual(QStringView a, QStringView b);

private:
    enum class Kind { Other, Section, Key };

    struct Line
    {
        QByteArray text;    // without the line ending
        QByteArray ending;  // "\r\n", "\n" or empty for a last line without one
        Kind kind = Kind::Other;
        QString name;       // section or key name, trimmed
        qsizetype valueStart = 0;  // keys: index of the first byte of the raw value
    };

    static Line parse(const QByteArray &text, const QByteArray &ending);
    qsizetype findKey(QStringView section, QStringView key) const;
    QByteArray newLineEnding() const;
    void insertLine(qsizetype at, const QString &text);

    QList<Line> m_lines;
};
