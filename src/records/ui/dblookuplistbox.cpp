#include "records/ui/dblookuplistbox.h"

#include "records/db/dataset.h"
#include "records/ui/datasource.h"
#include "records/ui/errorbox.h"
#include "records/ui/recordtablemodel.h"

#include <QItemSelectionModel>

DBLookupListBox::DBLookupListBox(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

void DBLookupListBox::setListSource(DataSource *source, const QString &field)
{
    m_source = source;
    m_field = field;
    m_model = new RecordTableModel(source->dataset(), this);
    m_model->addColumn(field, field);
    setModel(m_model);
    setModelColumn(0);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!m_following)
                    chosen(current);
            });
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBLookupListBox::followDataset);
    connect(source->dataset(), &db::Dataset::currentChanged, this, &DBLookupListBox::followDataset);
    followDataset();
}

void DBLookupListBox::followDataset()
{
    m_following = true;
    const int row = m_model->currentRow();
    if (row < 0) {
        selectionModel()->clear();
    } else {
        const QModelIndex idx = m_model->index(row, 0);
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect);
        scrollTo(idx);
    }
    m_following = false;
}

void DBLookupListBox::chosen(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QString text = m_model->data(index).toString();
    const bool ok = ErrorBox::guard([&] {
        db::Dataset *ds = m_source->dataset();
        if (!ds->locate(m_field, text))
            ds->first();
    });
    if (!ok)
        followDataset();
}
