#pragma once
// A report dataset with field aliases and a table of its visible fields.
//
// FieldAliases lines read "FieldName=Alias". With lines present only their
// aliases are visible (in line order); a line whose field name begins with "-"
// hides that field. Without lines every field of the source is visible under
// its own name. The field table is the sorted, duplicate-free list of visible
// names (compared without case), each with the source field it reads, or none
// when the source has no such field; it is rebuilt on every open.
#include "report/engine/tfrxdatasetadapter.h"

#include <QStringList>
#include <map>

class TfrxCustomDBDataSet : public TfrxDataSetAdapter
{
    Q_OBJECT
    Q_PROPERTY(QStringList FieldAliases READ FieldAliases WRITE SetFieldAliases)
public:
    explicit TfrxCustomDBDataSet(TfrxComponent *AOwner = nullptr);

    const QStringList &FieldAliases() const { return m_fieldAliases; }
    void SetFieldAliases(const QStringList &v) { m_fieldAliases = v; }

    // The field name of the first line whose alias is `name`; `name` itself
    // when no line has it.
    QString FieldNameOfAlias(const QString &name) const;

    void GetFieldList(QStringList &list) override;
    int FieldsCount() override;

protected:
    struct FieldEntry {
        QString visibleName;
        QString sourceField; // empty: not bound
    };
    // Names the source currently has; a failure leaves the list as far as it got.
    virtual void GetSourceFieldNames(QStringList &list) = 0;
    virtual bool SourceHasField(const QString &name) = 0;

    // Rebuilds the table from GetFieldList. With RequireFields::Yes a visible
    // name without a source field fails through RequireSourceField.
    enum class RequireFields { No, Yes };
    void RebuildFieldTable(RequireFields require);
    virtual void RequireSourceField(const QString &) {}
    const FieldEntry *FindEntry(const QString &name) const;
    bool FieldTableEmpty() const { return m_fieldTable.empty(); }

private:
    QStringList m_fieldAliases;
    std::map<QString, FieldEntry> m_fieldTable; // key: case-folded visible name
};
