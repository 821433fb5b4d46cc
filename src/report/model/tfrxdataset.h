#pragma once
// Base of the report datasets: the name under which templates refer to a dataset
// (UserName, the component name unless set) and the range members. Navigation and
// field access belong to the dataset adapters of the engine, which derive from
// this class.
//
// Every report dataset is listed in a process-wide registry from construction to
// destruction, so that a template can find a dataset that sits outside any report
// (the program keeps its datasets on the main window).
#include "report/model/frxtypes.h"
#include "report/model/tfrxdialogcomponent.h"

#include <QList>

class TfrxDataSet : public TfrxDialogComponent
{
    Q_OBJECT
    Q_PROPERTY(QString UserName READ UserName WRITE SetUserName)
    Q_PROPERTY(bool CloseDataSource READ CloseDataSource WRITE SetCloseDataSource)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool OpenDataSource READ OpenDataSource WRITE SetOpenDataSource)
    Q_PROPERTY(TfrxRangeBegin RangeBegin READ RangeBegin WRITE SetRangeBegin)
    Q_PROPERTY(TfrxRangeEnd RangeEnd READ RangeEnd WRITE SetRangeEnd)
    Q_PROPERTY(int RangeEndCount READ RangeEndCount WRITE SetRangeEndCount)
public:
    explicit TfrxDataSet(TfrxComponent *AOwner = nullptr);
    ~TfrxDataSet() override;

    QString UserName() const { return m_userName.isEmpty() ? Name() : m_userName; }
    virtual void SetUserName(const QString &v) { m_userName = v; }
    bool CloseDataSource() const { return m_closeDataSource; }
    void SetCloseDataSource(bool v) { m_closeDataSource = v; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v) { m_enabled = v; }
    bool OpenDataSource() const { return m_openDataSource; }
    void SetOpenDataSource(bool v) { m_openDataSource = v; }
    TfrxRangeBegin RangeBegin() const { return m_rangeBegin; }
    void SetRangeBegin(TfrxRangeBegin v) { m_rangeBegin = v; }
    TfrxRangeEnd RangeEnd() const { return m_rangeEnd; }
    void SetRangeEnd(TfrxRangeEnd v) { m_rangeEnd = v; }
    int RangeEndCount() const { return m_rangeEndCount; }
    void SetRangeEndCount(int v) { m_rangeEndCount = v; }
    int RecNo() const { return m_recNo; }

    // Every live report dataset, in order of creation.
    static const QList<TfrxDataSet *> &Registry();

protected:
    void SetRecNo(int v) { m_recNo = v; }

private:
    QString m_userName;
    bool m_closeDataSource = false;
    bool m_enabled = true;
    bool m_openDataSource = true;
    TfrxRangeBegin m_rangeBegin = TfrxRangeBegin::rbFirst;
    TfrxRangeEnd m_rangeEnd = TfrxRangeEnd::reLast;
    int m_rangeEndCount = 0;
    int m_recNo = 0;
};
