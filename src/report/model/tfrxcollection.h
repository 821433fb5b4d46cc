#pragma once
// A list of value-object items owned by a report (datasets, variables, styles).
// The serializer writes a non-empty collection as a child element named after
// the collection, holding one <item .../> element per entry with the entry's
// properties as attributes, e.g.
//   <Datasets><item DataSetName="frxDBDataset1"/></Datasets>
#include "report/model/tfrxpersistent.h"

#include <QList>

class TfrxCollection : public TfrxPersistent
{
    Q_OBJECT
public:
    explicit TfrxCollection(QObject *parent = nullptr) : TfrxPersistent(parent) {}

    virtual int Count() const = 0;
    virtual TfrxPersistent *ItemAt(int index) const = 0;
    // Appends an item with default values, for a reader to fill in.
    virtual TfrxPersistent *AddItem() = 0;
    virtual void Clear() = 0;
};
