#include "report/model/tfrxdataset.h"

namespace {
QList<TfrxDataSet *> &registry()
{
    static QList<TfrxDataSet *> list;
    return list;
}
} // namespace

TfrxDataSet::TfrxDataSet(TfrxComponent *AOwner) : TfrxDialogComponent(AOwner)
{
    registry().append(this);
}

TfrxDataSet::~TfrxDataSet()
{
    registry().removeOne(this);
}

const QList<TfrxDataSet *> &TfrxDataSet::Registry()
{
    return registry();
}
