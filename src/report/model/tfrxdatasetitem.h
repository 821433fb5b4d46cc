#pragma once
// An entry of a report's dataset list. An entry that belongs to a list leaves
// it (and is destroyed) when its dataset is destroyed.
#include "report/model/tfrxdataset.h"
#include "report/model/tfrxpersistent.h"

#include <QPointer>

class TfrxDataSetItem : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(TfrxDataSet *DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(QString DataSetName READ DataSetName WRITE SetDataSetName)
public:
    Q_INVOKABLE explicit TfrxDataSetItem(QObject *parent = nullptr) : TfrxPersistent(parent) {}

    TfrxDataSet *DataSet() const { return m_dataSet; }
    // Also takes the dataset's UserName as the entry's name.
    void SetDataSet(TfrxDataSet *v);
    QString DataSetName() const;
    // Looks the dataset up by UserName among all report datasets.
    void SetDataSetName(const QString &v);

    // The first live dataset whose UserName equals the name (ASCII letters
    // without case), or none.
    static TfrxDataSet *FindGlobal(const QString &userName);

private:
    void attach(TfrxDataSet *ds);

    QPointer<TfrxDataSet> m_dataSet;
    QMetaObject::Connection m_watch;
    QString m_dataSetName;
};
