#pragma once
// Column descriptions of an open result: what a field holds and how long its
// text may grow. Sizes come from the declared column types of the schema
// ("VARCHAR(15)"), so bound edits can limit typing to them; the database itself
// does not shorten longer texts.
#include <QList>
#include <QString>

namespace db {

enum class FieldType {
    Unknown,
    String,     // 8-bit text (not used by our schema, kept for completeness)
    WideString, // text columns: wide text limited to size characters
    Boolean,
    Integer,    // 32-bit integer columns (SiraNo of dependants and statistics, Adet)
    AutoInc,    // auto-increment key, given by the database, read-only
    LargeInt,   // 64-bit results without a declared type (count(*) and the like)
    Float,
    DateTime,   // date with an optional time of day
    Blob,
    Memo,       // text without a size
};

// Name used in messages and tests ("WideString", "DateTime", ...).
QString fieldTypeName(FieldType type);

struct FieldDef {
    QString name;
    FieldType type = FieldType::Unknown;
    int size = 0;          // characters for text columns, 0 otherwise
    bool readOnly = false; // auto-increment keys and computed columns
    bool required = false;
};

using FieldDefs = QList<FieldDef>;

} // namespace db
