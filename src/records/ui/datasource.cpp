#include "records/ui/datasource.h"

#include "records/db/dataset.h"

DataSource::DataSource(db::Dataset *dataset, QObject *parent) : QObject(parent), m_dataset(dataset)
{
    setObjectName(QStringLiteral("DataSource"));
}

bool DataSource::isActive() const
{
    return m_dataset && m_dataset->isActive();
}

bool DataSource::edit()
{
    if (!isActive())
        return false;
    if (m_dataset->isEditing())
        return true;
    if (m_dataset->isEmpty())
        m_dataset->append();
    else
        m_dataset->edit();
    return true;
}

db::Field *DataSource::field(const QString &column) const
{
    if (!isActive())
        return nullptr;
    db::Field *f = m_dataset->findField(column);
    return f && f->isBound() ? f : nullptr;
}
