#pragma once
// A report's list of named styles.
#include "report/model/tfrxcollection.h"
#include "report/model/tfrxstyleitem.h"

class TfrxStyles : public TfrxCollection
{
    Q_OBJECT
public:
    explicit TfrxStyles(QObject *parent = nullptr) : TfrxCollection(parent) {}

    int Count() const override { return int(m_items.size()); }
    TfrxStyleItem *ItemAt(int index) const override { return m_items.value(index); }
    TfrxStyleItem *AddItem() override;
    void Clear() override;

    // Names compare without regard to case.
    TfrxStyleItem *Find(const QString &name) const;

private:
    QList<TfrxStyleItem *> m_items;
};
