#pragma once
// A table model over an open dataset for grids, list boxes and lookup
// drop-downs. It reads rows by position and never moves the dataset's current
// row, so showing ten thousand staff members costs only the visible rows. The
// dataset's signals keep it in step: new rows or order reset the model, a
// changed value or another current row repaint the rows concerned.
#include <QAbstractTableModel>
#include <QStringList>

namespace db {
class Dataset;
}

class RecordTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    RecordTableModel(db::Dataset *dataset, QObject *parent = nullptr);

    db::Dataset *dataset() const { return m_dataset; }

    // The columns shown, by field name, with their titles.
    void addColumn(const QString &fieldName, const QString &title);
    QString fieldNameAt(int column) const { return m_fields.value(column); }
    int columnOf(const QString &fieldName) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The dataset's current row, 0-based; -1 when closed or empty.
    int currentRow() const;

private:
    void reset();
    void currentMoved();
    void resolveColumns();
    void repaintRow(int row);

    db::Dataset *m_dataset;
    QStringList m_fields;
    QStringList m_titles;
    QList<int> m_datasetColumns; // field index in the result, -1 when missing
    int m_rows = 0;
    int m_shownCurrent = -1;
};
