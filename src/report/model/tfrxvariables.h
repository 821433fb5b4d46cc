#pragma once
// A report's named values, as expressions see them through Variables[Name].
// Names compare without regard to case.
#include "report/model/tfrxcollection.h"
#include "report/model/tfrxvariable.h"

class TfrxVariables : public TfrxCollection
{
    Q_OBJECT
public:
    explicit TfrxVariables(QObject *parent = nullptr) : TfrxCollection(parent) {}

    int Count() const override { return int(m_items.size()); }
    TfrxVariable *ItemAt(int index) const override { return m_items.value(index); }
    TfrxVariable *AddItem() override;
    void Clear() override;

    // The first entry of that name, or none.
    TfrxVariable *Find(const QString &name) const;
    // The entry's value; Null when there is no entry.
    QVariant Value(const QString &name) const;
    // Updates the entry, or appends one.
    void SetValue(const QString &name, const QVariant &value);

private:
    QList<TfrxVariable *> m_items;
};
