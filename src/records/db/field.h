#pragma once
// One column of an open dataset, addressed by name. A Field object lives as
// long as its dataset and keeps its identity across re-openings as long as the
// column is still in the result, so a bound control or the report adapter can
// hold on to it. While the dataset is closed, or when the column is gone after
// a re-open with another statement, reading it throws.
//
// Values: QVariant() for SQL NULL; QString for text, qlonglong for integers,
// double for floats, bool, QByteArray for blobs, QDateTime for date-time
// columns (time 00:00:00 when the value carries no time of day).
#include "records/db/fielddef.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace db {

class Dataset;

class Field
{
public:
    const QString &fieldName() const { return m_def.name; }
    FieldType dataType() const { return m_def.type; }
    int size() const { return m_def.size; }
    bool isReadOnly() const { return m_def.readOnly; }
    const FieldDef &def() const { return m_def; }
    Dataset &dataset() const { return *m_dataset; }

    // Width in characters a grid column or report gives the field by default:
    // the size for text, 18 for date-time, 10 for numbers.
    int displayWidth() const;

    // Whether this field is part of the dataset's current result.
    bool isBound() const { return m_column >= 0; }

    // Value of the current row (the edit buffer while editing).
    QVariant value() const;
    bool isNull() const;
    // The value as text, as shown: the user's short date, plus the time of day
    // when the value carries one, for date-time columns; empty for NULL.
    QString displayText() const;
    QString asString() const { return displayText(); }
    qlonglong asInteger() const;
    QByteArray blob() const;
    bool isBlob() const { return m_def.type == FieldType::Blob; }

    // Changes the current row's value; the dataset must be in Edit or Insert
    // state. setText parses display text (a short date for date-time fields,
    // digits for numbers); an empty text sets NULL. Bad text throws.
    void setValue(const QVariant &value);
    void setText(const QString &text);
    void clear() { setValue(QVariant()); }

private:
    friend class Dataset;
    friend class FieldSet;
    Field(Dataset *dataset, const FieldDef &def, int column)
        : m_dataset(dataset), m_def(def), m_column(column) {}

    Dataset *m_dataset;
    FieldDef m_def;
    int m_column; // index in the result's columns, -1 when unbound
};

} // namespace db
