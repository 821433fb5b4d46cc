#include "report/model/tfrxvariables.h"

#include <utility>

TfrxVariable *TfrxVariables::AddItem()
{
    auto *item = new TfrxVariable(this);
    m_items.append(item);
    return item;
}

void TfrxVariables::Clear()
{
    qDeleteAll(std::exchange(m_items, {}));
}

TfrxVariable *TfrxVariables::Find(const QString &name) const
{
    for (TfrxVariable *v : m_items)
        if (v->Name().compare(name, Qt::CaseInsensitive) == 0)
            return v;
    return nullptr;
}

QVariant TfrxVariables::Value(const QString &name) const
{
    const TfrxVariable *v = Find(name);
    return v ? v->Value() : QVariant();
}

void TfrxVariables::SetValue(const QString &name, const QVariant &value)
{
    TfrxVariable *v = Find(name);
    if (!v) {
        v = AddItem();
        v->SetName(name);
    }
    v->SetValue(value);
}
