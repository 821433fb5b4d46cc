#pragma once
// Conversions of one field value between its three forms: as stored in the
// file (SQLite's own types, date-times as sortable text), as the program sees
// it (typed QVariant, QDateTime for date-times, QVariant() for NULL) and as
// the user sees it (display text).
#include "records/db/fielddef.h"

#include <QString>
#include <QVariant>

namespace db {

class FieldValue
{
public:
    // Declared column type ("VARCHAR(15)", "INTEGER", "DATETIME") to field
    // type and size.
    static FieldType typeOfDeclared(const QString &declared, int *size);
    // The type of an undeclared result column (count(*), expressions) from
    // one of its values.
    static FieldType typeOfValue(const QVariant &value);

    static QVariant fromStorage(FieldType type, const QVariant &stored);
    static QVariant toStorage(FieldType type, const QVariant &value);

    // A value given by the program or typed by the user, as the field type
    // holds it. Throws a LoderaError naming the field when it does not fit.
    static QVariant convert(FieldType type, const QVariant &value, const QString &fieldName);
    // Display text as typed into a bound edit, to a value.
    static QVariant fromText(FieldType type, const QString &text, const QString &fieldName);

    static QString displayText(FieldType type, const QVariant &value);
    static int displayWidth(const FieldDef &def);

    // An owning copy of a value whose text may point into a result's arena.
    static QVariant detached(const QVariant &value);

    // Whether two values of one field are the same (no change to store).
    static bool same(const QVariant &a, const QVariant &b);
};

} // namespace db
