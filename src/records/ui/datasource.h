#pragma once
// The link between a dataset and the controls that show it. Bound controls
// reach their dataset through here, and typing into any of them puts the
// current row into edit state through edit() (appending a first row when the
// dataset is empty, as the office expects from an empty page).
#include <QObject>

namespace db {
class Dataset;
class Field;
}

class DataSource : public QObject
{
    Q_OBJECT
public:
    explicit DataSource(db::Dataset *dataset, QObject *parent = nullptr);

    db::Dataset *dataset() const { return m_dataset; }

    // Whether the dataset is open.
    bool isActive() const;
    // Puts the current row into edit state unless it already is; an empty
    // dataset gets a new row. False when the dataset is closed.
    bool edit();
    // The field named `column` of the open result, or null.
    db::Field *field(const QString &column) const;

private:
    db::Dataset *m_dataset;
};
