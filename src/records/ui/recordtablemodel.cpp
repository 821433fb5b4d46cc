#include "records/ui/recordtablemodel.h"

#include "records/db/dataset.h"

RecordTableModel::RecordTableModel(db::Dataset *dataset, QObject *parent)
    : QAbstractTableModel(parent), m_dataset(dataset)
{
    connect(dataset, &db::Dataset::activeChanged, this, &RecordTableModel::reset);
    connect(dataset, &db::Dataset::rowsChanged, this, &RecordTableModel::reset);
    connect(dataset, &db::Dataset::currentChanged, this, &RecordTableModel::currentMoved);
    connect(dataset, &db::Dataset::stateChanged, this, [this] { repaintRow(currentRow()); });
    connect(dataset, &db::Dataset::fieldChanged, this, [this] { repaintRow(currentRow()); });
    reset();
}

void RecordTableModel::addColumn(const QString &fieldName, const QString &title)
{
    beginResetModel();
    m_fields << fieldName;
    m_titles << title;
    resolveColumns();
    endResetModel();
}

int RecordTableModel::columnOf(const QString &fieldName) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void RecordTableModel::resolveColumns()
{
    m_datasetColumns.clear();
    const QStringList names = m_dataset->isActive() ? m_dataset->fieldNames() : QStringList();
    for (const QString &f : m_fields) {
        int found = -1;
        for (int i = 0; i < names.size(); ++i)
            if (names[i].compare(f, Qt::CaseInsensitive) == 0)
                found = i;
        m_datasetColumns << found;
    }
}

void RecordTableModel::reset()
{
    beginResetModel();
    resolveColumns();
    m_rows = m_dataset->isActive() ? m_dataset->recordCount() : 0;
    m_shownCurrent = currentRow();
    endResetModel();
}

int RecordTableModel::currentRow() const
{
    if (!m_dataset->isActive() || m_rows == 0)
        return -1;
    return m_dataset->currentRow();
}

void RecordTableModel::repaintRow(int row)
{
    if (row >= 0 && row < m_rows && !m_fields.isEmpty())
        emit dataChanged(index(row, 0), index(row, int(m_fields.size()) - 1));
}

void RecordTableModel::currentMoved()
{
    if (m_dataset->isActive() && m_dataset->recordCount() != m_rows) {
        reset();
        return;
    }
    const int before = m_shownCurrent;
    m_shownCurrent = currentRow();
    repaintRow(before);
    repaintRow(m_shownCurrent);
}

int RecordTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RecordTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant RecordTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
        return QVariant();
    const int column = m_datasetColumns.value(index.column(), -1);
    if (column < 0)
        return QVariant();
    return m_dataset->displayTextAt(index.row(), column);
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titles.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
