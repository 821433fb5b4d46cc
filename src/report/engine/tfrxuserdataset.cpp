#include "report/engine/tfrxuserdataset.h"

QVariant TfrxUserDataSet::Value(const QString &field)
{
    QVariant value;
    if (OnGetValue)
        OnGetValue(field, value);
    return value;
}

QString TfrxUserDataSet::DisplayText(const QString &field)
{
    if (!OnGetValue)
        return QString();
    return Value(field).toString();
}
