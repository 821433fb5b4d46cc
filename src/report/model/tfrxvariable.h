#pragma once
// One named value of a report's variable list.
#include "report/model/tfrxpersistent.h"

#include <QString>
#include <QVariant>

class TfrxVariable : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(QVariant Value READ Value WRITE SetValue)
public:
    Q_INVOKABLE explicit TfrxVariable(QObject *parent = nullptr) : TfrxPersistent(parent) {}

    const QString &Name() const { return m_name; }
    void SetName(const QString &v) { m_name = v; }
    const QVariant &Value() const { return m_value; }
    void SetValue(const QVariant &v) { m_value = v; }

private:
    QString m_name;
    QVariant m_value;
};
