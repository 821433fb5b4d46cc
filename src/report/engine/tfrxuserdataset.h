#pragma once
// A report dataset whose values come from a handler instead of a database:
// Fields lists the names, OnGetValue supplies the value of one. A data band
// without a dataset walks one of these as its row counter (RangeEndCount rows).
#include "report/engine/tfrxdatasetadapter.h"

class TfrxUserDataSet : public TfrxDataSetAdapter
{
    Q_OBJECT
    Q_PROPERTY(QStringList Fields READ Fields WRITE SetFields)
public:
    using GetValueEvent = std::function<void(const QString &varName, QVariant &value)>;

    explicit TfrxUserDataSet(TfrxComponent *AOwner = nullptr) : TfrxDataSetAdapter(AOwner) {}

    const QStringList &Fields() const { return m_fields; }
    void SetFields(const QStringList &v) { m_fields = v; }

    GetValueEvent OnGetValue;

    QVariant Value(const QString &field) override;
    QString DisplayText(const QString &field) override;
    void GetFieldList(QStringList &list) override { list = m_fields; }
    int FieldsCount() override { return int(m_fields.size()); }

private:
    QStringList m_fields;
};
