#include "report/model/tfrxstyles.h"

#include <utility>

TfrxStyleItem *TfrxStyles::AddItem()
{
    auto *item = new TfrxStyleItem(this);
    m_items.append(item);
    return item;
}

void TfrxStyles::Clear()
{
    qDeleteAll(std::exchange(m_items, {}));
}

TfrxStyleItem *TfrxStyles::Find(const QString &name) const
{
    for (TfrxStyleItem *s : m_items)
        if (s->Name().compare(name, Qt::CaseInsensitive) == 0)
            return s;
    return nullptr;
}
