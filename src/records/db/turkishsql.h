#pragma once
// Turkish text rules inside SQLite: the collation TURKISH (alphabetical order
// A B C Ç D E F G Ğ H I İ J ... Ş T U Ü V Y Z) and a LIKE that compares
// without regard to case under Turkish folding, so "ş" LIKE "Ş%" and
// "i" LIKE "İ" hold while "i" LIKE "I" does not. Debian's SQLCipher has no
// ICU, and the built-in LIKE folds ASCII only.
//
// The collation orders with QCollator::compare for the Turkish locale and
// breaks its ties by code units, so two different texts never compare equal
// (an index needs a total order consistent with equality).
#include <QChar>
#include <QStringView>

struct sqlite3;

namespace db {

class TurkishSql
{
public:
    // Registers the collation and the LIKE functions (two and three
    // arguments) on the connection. Returns an SQLite result code.
    static int install(sqlite3 *db);

    // The LIKE rule itself: % any run of characters, _ one character,
    // `escape` (when not null) makes the next pattern character literal.
    static bool like(QStringView pattern, QStringView text, QChar escape = QChar());

    // Turkish order of two texts: <0, 0 (only for equal texts), >0.
    static int compare(QStringView a, QStringView b);
};

} // namespace db
