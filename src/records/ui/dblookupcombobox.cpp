#include "records/ui/dblookupcombobox.h"

#include "records/db/dataset.h"
#include "records/ui/datasource.h"
#include "records/ui/errorbox.h"
#include "records/ui/recordtablemodel.h"

DBLookupComboBox::DBLookupComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::chosen);
}

void DBLookupComboBox::setListSource(DataSource *source, const QString &field)
{
    m_source = source;
    m_field = field;
    m_model = new RecordTableModel(source->dataset(), this);
    m_model->addColumn(field, field);
    setModel(m_model);
    setModelColumn(0);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBLookupComboBox::showKey);
    showKey();
}

void DBLookupComboBox::setKeyValue(const QString &value)
{
    m_keyValue = value;
    showKey();
}

void DBLookupComboBox::showKey()
{
    setCurrentIndex(m_keyValue.isEmpty() ? -1 : findText(m_keyValue, Qt::MatchExactly));
}

void DBLookupComboBox::chosen(int index)
{
    if (index < 0)
        return;
    m_keyValue = itemText(index);
    ErrorBox::guard([&] { m_source->dataset()->locate(m_field, m_keyValue); });
    emit keyValueChanged(m_keyValue);
}
