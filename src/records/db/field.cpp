#include "records/db/field.h"

#include "records/db/dataset.h"
#include "records/db/fieldvalue.h"

namespace db {

int Field::displayWidth() const
{
    return FieldValue::displayWidth(m_def);
}

QVariant Field::value() const
{
    return m_dataset->currentValue(*this);
}

bool Field::isNull() const
{
    const QVariant v = value();
    return v.isNull() || !v.isValid();
}

QString Field::displayText() const
{
    return FieldValue::displayText(m_def.type, value());
}

qlonglong Field::asInteger() const
{
    return value().toLongLong();
}

QByteArray Field::blob() const
{
    const QVariant v = value();
    return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
}

void Field::setValue(const QVariant &value)
{
    m_dataset->setCurrentValue(*this, FieldValue::convert(m_def.type, value, m_def.name));
}

void Field::setText(const QString &text)
{
    m_dataset->setCurrentValue(*this, FieldValue::fromText(m_def.type, text, m_def.name));
}

} // namespace db
